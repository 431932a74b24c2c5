#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace kemurina {

namespace {

constexpr int kSignificantDigits = 15;

// The magnitude of x rounded to 15 significant digits, written out in full:
// "12", ".85", "1230000", ".000012". Never an exponent, never a trailing zero
// after the point, never a zero before it.
std::string Magnitude(double x) {
  char buf[64];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(x),
                                       std::chars_format::scientific, kSignificantDigits - 1);
  if (ec != std::errc()) {
    return "0";
  }
  // buf holds "d.dddddddddddddde±xx".
  const std::string_view text(buf, static_cast<std::size_t>(end - buf));
  const std::size_t e = text.find('e');
  std::string digits;
  for (char ch : text.substr(0, e)) {
    if (ch != '.') {
      digits += ch;
    }
  }
  while (digits.size() > 1 && digits.back() == '0') {
    digits.pop_back();
  }
  if (digits == "0") {
    return "0";
  }
  const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());

  // Built in place: GCC 12 at -O3 mistakes `"." + std::string(...)` for an
  // overlapping copy (-Wrestrict), a known false alarm of its string inlining.
  if (exponent < 0) {
    std::string out(1, '.');
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += digits;
    return out;
  }
  const auto whole = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= whole) {
    return digits + std::string(whole - digits.size(), '0');
  }
  return digits.substr(0, whole) + "." + digits.substr(whole);
}

}  // namespace

std::string FormatStr(double x) {
  if (std::isnan(x)) {
    return " NaN";
  }
  if (std::isinf(x)) {
    return x < 0 ? "-Inf" : " Inf";
  }
  // -0.0 is not below zero and gets the blank like any other zero.
  std::string out = Magnitude(x);
  out.insert(out.begin(), x < 0 ? '-' : ' ');
  return out;
}

std::string PlainNumber(double x) {
  std::string text = FormatStr(x);
  if (!text.empty() && text.front() == ' ') {
    text.erase(0, 1);
  }
  return text;
}

std::string ToWideDigits(std::string_view t) {
  // U+FF10..U+FF19, U+FF0E and U+FF0D all share the lead bytes EF BC.
  std::string out;
  out.reserve(t.size() * 3);
  for (char ch : t) {
    if (ch >= '0' && ch <= '9') {
      out += "\xEF\xBC";
      out += static_cast<char>(0x90 + (ch - '0'));
    } else if (ch == '.') {
      out += "\xEF\xBC\x8E";
    } else if (ch == '-') {
      out += "\xEF\xBC\x8D";
    } else {
      out += ch;
    }
  }
  return out;
}

std::string Plain(long long n) { return std::to_string(n); }

std::string Wide(long long n) { return ToWideDigits(Plain(n)); }

}  // namespace kemurina
