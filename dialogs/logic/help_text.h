#pragma once

#include <string>

namespace kemurina {

// The whole user manual shown in the help window, UTF-8, every line ended by
// "\r\n" (the text box shows it as one scrolling text).
//
// Layout, as lines joined by "\r\n" with one final "\r\n" after the last line:
//   ""                                  <- the text starts with a line break
//   closing hint
//   "", ""                              <- two empty lines
//   "◆　ケムリナ式ヘルプメニュー"
//   ""
//   21 menu lines ("　１）…" … "２１）…")
//   per section:  "", "", "", ""        <- four empty lines
//                 heading ("１）ソフトの概要　◆", no blank in front)
//                 ""
//                 body lines (never starting or ending with an empty line)
//   "", "", "", ""
//   closing hint                        <- followed by the final "\r\n"
// So four empty lines are five CRLFs between the previous line's text and the
// heading.
std::string HelpText();

// The companion product's notice: 13 lines joined by "\r\n". Line 13 is empty,
// so the text ends with the page address followed by "\r\n" and nothing else.
std::string NoticeText();

}  // namespace kemurina
