#pragma once
// The grid's modal filter dialogs without a screen: the value-list dialog and the date-range
// dialog. Every dialog shown is recorded with its answer. Answers come from a queue of scripted
// answers, else from an answerer (the GUI), else the dialog is cancelled. An accepted dialog hands
// back the parameters as the user left them.
#include "host/platform/OleDateTime.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace orv::platform {

enum class FilterDialogKind { ValueList, DateRange };

// The parameters a filter dialog edits. The value-list dialog edits the all flag and the values,
// the date-range dialog the all flag and the two ends.
struct FilterDialogState {
  bool bAll = false;
  std::vector<std::string> values;
  OleDateTime from = OleDateTime::Null();
  OleDateTime till = OleDateTime::Null();
};

struct FilterDialogRequest {
  FilterDialogKind kind = FilterDialogKind::ValueList;
  int nColumn = -1;
  std::vector<std::string> offered;  // the values the list offers (value-list dialog)
  FilterDialogState state;           // as the dialog opens
};

struct FilterDialogAnswer {
  int result = 2;  // IDOK (1) or IDCANCEL (2); anything else cancels
  FilterDialogState state;
};

struct FilterDialogRecord {
  FilterDialogRequest request;
  int result = 2;
  FilterDialogState state;  // what the caller got back (the opening state when cancelled)
};

class FilterDialogService final {
 public:
  using Answerer = std::function<FilterDialogAnswer(const FilterDialogRequest&)>;
  using Observer = std::function<void(const FilterDialogRecord&)>;

  // Shows the dialog modally; returns IDOK or IDCANCEL. On IDOK `state` holds the edited
  // parameters (for the date-range dialog only the all flag and the two ends change, for the
  // value-list dialog only the all flag and the values); on IDCANCEL it is left alone.
  int DoModal(const FilterDialogRequest& request, FilterDialogState& state);

  void QueueAnswer(FilterDialogAnswer answer) { m_scripted.push_back(std::move(answer)); }
  std::size_t QueuedAnswers() const { return m_scripted.size(); }
  void ClearAnswers() { m_scripted.clear(); }
  void SetAnswerer(Answerer answerer) { m_answerer = std::move(answerer); }
  void SetObserver(Observer observer) { m_observer = std::move(observer); }

  const std::vector<FilterDialogRecord>& Shown() const { return m_shown; }
  void ClearShown() { m_shown.clear(); }

 private:
  std::deque<FilterDialogAnswer> m_scripted;
  Answerer m_answerer;
  Observer m_observer;
  std::vector<FilterDialogRecord> m_shown;
};

}  // namespace orv::platform
