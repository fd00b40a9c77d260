// The OFX 2.0 statement of one account, filled into the "exportofx"
// template: the account's identity, type and balance and one STMTTRN element
// per live transaction. Every text from the data is XML-escaped.
#pragma once

#include <string>
#include <string_view>

#include "store/DateTime.h"

namespace tf {

class TAccount;

// The file's whole text as of `now`, every line ended by CR LF.
std::string OfxStatementText(const TAccount& account, TDateTime now);

// "<folder><AccountName> (dd mmm yyyy).ofx". A path separator in the account
// name becomes "_" so that the file stays in the folder.
std::string OfxFileName(const std::string& folder, const TAccount& account, TDateTime today);

// & < > as character references and every character beyond ASCII as a
// numeric reference, so the text fits the file's US-ASCII declaration; bytes
// that are no UTF-8 become "?" and control characters other than tab and line
// breaks (not allowed in XML) a blank.
std::string XmlEscape(std::string_view text);

}  // namespace tf
