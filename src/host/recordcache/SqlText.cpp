#include "host/recordcache/SqlText.h"

#include <cstdio>
#include <stdexcept>

namespace {

// Wider fields than this are a mistake in a pattern, not a wish for megabytes of blanks.
constexpr int kMaxFieldWidth = 4096;

struct Spec {
  std::string flags;
  int width = -1;
  int precision = -1;
  char conversion = 0;
};

[[noreturn]] void Fail(std::string_view fmt, std::string_view why) {
  throw std::invalid_argument("SqlText: " + std::string(why) + " in \"" + std::string(fmt) + "\"");
}

int ReadNumber(std::string_view fmt, std::size_t& pos) {
  int value = 0;
  while (pos < fmt.size() && fmt[pos] >= '0' && fmt[pos] <= '9') {
    value = value * 10 + (fmt[pos] - '0');
    if (value > kMaxFieldWidth) Fail(fmt, "width or precision too large");
    ++pos;
  }
  return value;
}

// Parses the conversion that starts after a '%' at pos; leaves pos after it.
Spec ParseSpec(std::string_view fmt, std::size_t& pos) {
  Spec spec;
  while (pos < fmt.size() && std::string_view("-+ #0").find(fmt[pos]) != std::string_view::npos) {
    spec.flags += fmt[pos++];
  }
  if (pos < fmt.size() && fmt[pos] == '*') Fail(fmt, "'*' width is not supported");
  if (pos < fmt.size() && fmt[pos] >= '0' && fmt[pos] <= '9') spec.width = ReadNumber(fmt, pos);
  if (pos < fmt.size() && fmt[pos] == '.') {
    ++pos;
    if (pos < fmt.size() && fmt[pos] == '*') Fail(fmt, "'*' precision is not supported");
    spec.precision = ReadNumber(fmt, pos);
  }
  // Length modifiers only say how wide the C argument was; the value itself is carried exactly.
  while (pos < fmt.size() && std::string_view("hlLzjt").find(fmt[pos]) != std::string_view::npos) ++pos;
  if (pos >= fmt.size()) Fail(fmt, "incomplete conversion");
  spec.conversion = fmt[pos++];
  return spec;
}

std::string CFormat(const std::string& cfmt, auto value) {
  const int needed = std::snprintf(nullptr, 0, cfmt.c_str(), value);
  if (needed < 0) throw std::invalid_argument("SqlText: cannot format \"" + cfmt + "\"");
  std::string out(static_cast<std::size_t>(needed) + 1, '\0');
  std::snprintf(out.data(), out.size(), cfmt.c_str(), value);
  out.resize(static_cast<std::size_t>(needed));
  return out;
}

std::string CSpec(const Spec& spec, std::string_view length, char conversion) {
  std::string s = "%" + spec.flags;
  if (spec.width >= 0) s += std::to_string(spec.width);
  if (spec.precision >= 0) {
    s += '.';
    s += std::to_string(spec.precision);
  }
  s += length;
  s += conversion;
  return s;
}

std::string FormatInteger(std::string_view fmt, const Spec& spec, const SqlText::Arg& arg) {
  using Kind = SqlText::Arg::Kind;
  if (arg.kind() != Kind::Signed && arg.kind() != Kind::Unsigned) {
    Fail(fmt, std::string("%") + spec.conversion + " needs an integral argument");
  }
  if (spec.conversion == 'u' && arg.kind() == Kind::Signed && arg.signedValue() < 0) {
    Fail(fmt, "%u given a negative value");
  }
  if (spec.flags.find('#') != std::string::npos) Fail(fmt, "'#' flag with an integer conversion");
  if (arg.kind() == Kind::Unsigned) {
    return CFormat(CSpec(spec, "ll", 'u'), static_cast<unsigned long long>(arg.unsignedValue()));
  }
  return CFormat(CSpec(spec, "ll", spec.conversion == 'u' ? 'u' : 'd'), static_cast<long long>(arg.signedValue()));
}

std::string FormatFloating(std::string_view fmt, const Spec& spec, const SqlText::Arg& arg) {
  if (arg.kind() != SqlText::Arg::Kind::Floating) {
    Fail(fmt, std::string("%") + spec.conversion + " needs a floating-point argument");
  }
  return CFormat(CSpec(spec, "", spec.conversion), arg.floatingValue());
}

std::string FormatText(std::string_view fmt, const Spec& spec, const SqlText::Arg& arg) {
  using Kind = SqlText::Arg::Kind;
  if (arg.kind() == Kind::NullText) Fail(fmt, "%s given a null pointer");
  if (arg.kind() != Kind::Text) Fail(fmt, "%s needs a text argument");
  std::string_view text = arg.text();
  if (const auto nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
  if (spec.precision >= 0 && text.size() > static_cast<std::size_t>(spec.precision)) {
    text = text.substr(0, static_cast<std::size_t>(spec.precision));
  }
  std::string out = SqlText::EscapeLiteral(text);
  if (spec.width > 0 && out.size() < static_cast<std::size_t>(spec.width)) {
    const std::string pad(static_cast<std::size_t>(spec.width) - out.size(), ' ');
    out = spec.flags.find('-') != std::string::npos ? out + pad : pad + out;
  }
  return out;
}

}  // namespace

std::string SqlText::EscapeLiteral(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (const char c : text) {
    if (c == '\0') break;
    out += c;
    if (c == '\'') out += '\'';
  }
  return out;
}

std::string SqlText::FormatList(std::string_view fmt, std::span<const Arg> args) {
  std::string out;
  out.reserve(fmt.size() + 32 * args.size());
  std::size_t next = 0;
  std::size_t pos = 0;
  while (pos < fmt.size()) {
    const std::size_t percent = fmt.find('%', pos);
    if (percent == std::string_view::npos) {
      out.append(fmt.substr(pos));
      break;
    }
    out.append(fmt.substr(pos, percent - pos));
    pos = percent + 1;
    if (pos < fmt.size() && fmt[pos] == '%') {
      out += '%';
      ++pos;
      continue;
    }
    const Spec spec = ParseSpec(fmt, pos);
    if (next >= args.size()) Fail(fmt, "too few arguments");
    const Arg& arg = args[next++];
    switch (spec.conversion) {
      case 'd':
      case 'i':
      case 'u':
        out += FormatInteger(fmt, spec, arg);
        break;
      case 'f':
      case 'F':
        out += FormatFloating(fmt, spec, arg);
        break;
      case 's':
        out += FormatText(fmt, spec, arg);
        break;
      default:
        Fail(fmt, std::string("unsupported conversion %") + spec.conversion);
    }
  }
  if (next != args.size()) Fail(fmt, "too many arguments");
  return out;
}
