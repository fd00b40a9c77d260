// Character data of OFX elements as the user should read it: CDATA sections
// unwrapped and character entities decoded, each exactly once.
#pragma once

#include <string>
#include <string_view>

namespace tf {

// &amp; &lt; &gt; &quot; &apos; and numeric references (&#38; &#x26;) are
// decoded outside CDATA sections; anything else, such as a bare "&" that
// SGML statements write, is kept as it stands.
std::string DecodeCharacterData(std::string_view text);

}  // namespace tf
