#pragma once
// The pieces of a published page's text: a passport's words in HTML text
// and attributes, and JSON embedded in a <script> element.
#include <string>
#include <string_view>

// Text for element content or a quoted attribute value of an HTML page.
std::string HtmlText(std::string_view text);
// JSON fit to stand between <script> and </script>: "<", ">" and "&"
// written as \u escapes (so no "</script>" or "<!--" can end or change the
// element), and the line separators U+2028 and U+2029 too. Only strings hold
// these characters, so the JSON reads back the same.
std::string ScriptJson(std::string_view json);
