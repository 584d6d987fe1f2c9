#include "ScenarioFixture.h"

#include "scenario/StepParser.h"

namespace {

using orv::scenario::ParsedStep;
using orv::scenario::StepParser;
using orv::scenario::StepTable;

TEST(StepParser, refuses_what_is_not_a_known_step_object) {
  StepParser parser(StepTable::Standard());
  struct Case {
    const char* line;
    const char* message;
  };
  const Case cases[] = {
      {R"({"do":"run","ms":)", "not valid JSON (column 18)"},
      {R"([1,2])", "a step must be a JSON object"},
      {R"({"ms":5})", "the step has no \"do\""},
      {R"({"do":7})", "\"do\" must be a text"},
      {R"({"do":"jump"})", "unknown step \"jump\""},
      {R"({"do":"run","ms":5,"speed":2})", "step \"run\" has no field \"speed\""},
  };
  for (const Case& c : cases) {
    const ParsedStep step = parser.Parse(c.line, 4);
    EXPECT_EQ(step.kind, ParsedStep::Kind::Error) << c.line;
    EXPECT_EQ(step.error, c.message) << c.line;
    EXPECT_EQ(step.line, 4);
  }
}

class StepValidation : public ScenarioFixture {};

TEST_F(StepValidation, wrong_field_types_name_the_field) {
  struct Case {
    const char* line;
    const char* message;
  };
  const Case cases[] = {
      {R"({"do":"run","ms":"ten"})", "\"ms\" must be a whole number, not string"},
      {R"({"do":"run","ms":1.5})", "\"ms\" must be a whole number, not 1.5"},
      {R"({"do":"run"})", "step \"run\" needs the field \"ms\""},
      {R"({"do":"run","ms":-1})", "\"ms\" takes 0 to 86400000 (one day)"},
      {R"({"do":"open","view":"gdt"})", "\"view\" must be \"pending\" or \"gtd\", not \"gdt\""},
      {R"({"do":"open","show":"yes"})", "\"show\" must be true or false, not string"},
      {R"({"do":"settings","set":{"g_bLastOrderSelection":"on"}})", "setting \"g_bLastOrderSelection\" takes a whole number"},
      {R"({"do":"settings","set":{"g_bNoSuchThing":1}})", "unknown setting \"g_bNoSuchThing\""},
      {R"({"do":"settings","set":{"login.userType":70000}})", "\"login.userType\" is out of range"},
      {R"({"do":"orders","add":{"B_S":"BUY"}})", "a new order needs its \"RefNo\""},
      {R"({"do":"orders","add":{"RefNo":1,"Pending_Qty":"5"}})", "\"Pending_Qty\" must be a whole number, not string"},
      {R"({"do":"orders","add":{"RefNo":1,"B_S":"BUYBUY"}})", "\"B_S\" holds at most 4 characters"},
      {R"({"do":"orders","add":{"RefNo":1,"Colour":"red"}})", "an order record has no field \"Colour\""},
      {R"({"do":"orders","add":{"RefNo":1,"dtServerEntryTime":"yesterday"}})",
       "\"dtServerEntryTime\" must be a date-time \"YYYY-MM-DD HH:MM:SS\", not \"yesterday\""},
      {R"({"do":"orders","update":{"RefNo":42,"Price":1}})", "no order with RefNo 42 in the book"},
      {R"({"do":"key","key":"F13"})", "unknown key \"F13\""},
      {R"({"do":"select","row":0})", "the pending window is not open"},
      {R"({"do":"answer","answer":"maybe"})", "an answer is \"yes\", \"no\", \"ok\" or \"cancel\", not \"maybe\""},
      {R"({"do":"call","name":"Explode"})", "no entry point \"Explode\" to call"},
      {R"({"do":"dump","what":["everything"]})", "a dump has no section \"everything\""},
  };
  for (const Case& c : cases) {
    auto errors = OfKind(Play({c.line}), "error");
    ASSERT_EQ(errors.size(), 1u) << c.line;
    EXPECT_EQ(errors[0]["message"], c.message) << c.line;
    EXPECT_EQ(errors[0]["line"], m_line) << c.line;
  }
}

TEST_F(StepValidation, a_refused_step_changes_nothing) {
  OpenSmallBook();
  // The first record is fine, the second is not: neither is added.
  auto events = Play({R"({"do":"orders","add":[{"RefNo":7,"B_S":"BUY"},{"RefNo":8,"Price":"high"}]})",
                      R"({"do":"settings","set":{"g_bLastOrderSelection":1,"g_bNoSuchThing":1}})",
                      R"({"do":"dump","what":["store","globals"],"globals":["g_bLastOrderSelection"]})"});
  auto dump = OfKind(events, "dump").at(0);
  EXPECT_EQ(dump["store"]["vctAllOrderBook"], 3);
  EXPECT_EQ(dump["globals"]["g_bLastOrderSelection"], 0);
}

TEST_F(StepValidation, a_call_checks_its_argument_count_and_types) {
  OpenSmallBook();
  auto errors = OfKind(Play({R"({"do":"call","name":"StartStopProcess","args":[1]})",
                             R"({"do":"call","name":"SetDefaultDemoFilter","args":["B_S","BUY","no",true,false]})",
                             R"({"do":"call","name":"SetDefaultDemoFilter","args":["Colour","BUY",false,true,false]})"}),
                       "error");
  ASSERT_EQ(errors.size(), 3u);
  EXPECT_EQ(errors[0]["message"], "StartStopProcess takes 2 arguments (bStart, nElapse), not 1");
  EXPECT_EQ(errors[1]["message"], "\"SetDefaultDemoFilter argument bShowAll\" must be true or false, not string");
  EXPECT_EQ(errors[2]["message"], "the pending grid has no column \"Colour\"");
}

}  // namespace
