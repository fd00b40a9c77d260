#include "base/TemplateTexts.h"

namespace tf {
namespace {

// Index 0: every transaction of a period, grouped by main and sub-category.
// Blocks: 1 main-category heading, 2 sub-category heading, 3 transaction row,
// 4 total row (STYLEID 1 draws the heavy rule, 2 the thin one).
const char* const kFinYearReport =
    R"tf(<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Transitional//EN" "http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd">
<html xmlns="http://www.w3.org/1999/xhtml">
<head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8" />
<meta name="author" content="Tallyfold" />
<title>Financial Year Report</title>
<style type="text/css">
body { font-family: Georgia, Arial, serif; color: #000000; background-color: #FFFFFF; }
table { border-collapse: collapse; }
td, th { font-size: 0.70em; }
th { text-align: left; border-bottom: 1px solid #DCDCDC; }
.report td { border-bottom: 1px solid #DCDCDC; }
.main { font-weight: bold; font-size: 0.75em; }
.sub { font-weight: bold; }
.money { text-align: right; }
.money1 { text-align: right; border-top: 4px solid #DCDCDC; }
.money2 { text-align: right; border-top: 1px solid #DCDCDC; }
.totaldesc { font-size: 0.55em; text-align: right; }
.credit { font-size: 0.60em; text-align: right; color: #A0A0A0; }
.credit a { color: #A0A0A0; }
</style>
</head>
<body>
<table width="1000" border="0" cellpadding="2" cellspacing="0">
  <tr>
    <td width="8%">Period :</td>
    <td>|PERIODSTART| to |PERIODEND|</td>
    <td class="credit">created by <a href="https://tallyfold.org/">Tallyfold</a></td>
  </tr>
</table>
<table class="report" width="1000" border="0" cellpadding="2" cellspacing="0">
  <tr>
    <th width="12%">Date</th>
    <th width="52%">Description</th>
    <th width="12%" class="money">+</th>
    <th width="12%" class="money">-</th>
    <th width="12%" class="money">Balance</th>
  </tr>
<!-- #1# -->
  <tr>
    <td colspan="5" class="main">|CATEGORY|</td>
  </tr>
<!-- #1# -->
<!-- #2# -->
  <tr>
    <td colspan="5" class="sub">&nbsp;&nbsp;&nbsp;&nbsp;|SUBCATEGORY|</td>
  </tr>
<!-- #2# -->
<!-- #3# -->
  <tr bgcolor="|ROWCOLOR|">
    <td>&nbsp;&nbsp;&nbsp;&nbsp;|DATE|</td>
    <td>|DESC|</td>
    <td class="money">|PLUS|</td>
    <td class="money">|MINUS|</td>
    <td class="money">|BALANCE|</td>
  </tr>
<!-- #3# -->
<!-- #4# -->
  <tr>
    <td colspan="2" class="totaldesc">|TOTALDESC|</td>
    <td class="money|STYLEID|">|PLUSBALANCE|</td>
    <td class="money|STYLEID|">|MINUSBALANCE|</td>
    <td class="money|STYLEID|">|BALANCE|</td>
  </tr>
<!-- #4# -->
</table>
</body>
</html>
)tf";

// Index 1: the month-by-month schedule of an amortising loan. Block 1 holds
// the two table rows of one payment.
const char* const kLoanSchedule =
    R"tf(<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Transitional//EN" "http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd">
<html xmlns="http://www.w3.org/1999/xhtml">
<head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8" />
<meta name="author" content="Tallyfold" />
<title>Loan Repayment Schedule</title>
<style type="text/css">
body { font-family: Georgia, Arial, serif; color: #000000; background-color: #FFFFFF; }
table { border-collapse: collapse; }
td, th { font-size: 0.70em; }
th { text-align: center; border: 1px solid #DCDCDC; }
.schedule td { border: 1px solid #DCDCDC; }
.label { font-weight: bold; }
.money { text-align: right; }
.credit { width: 600px; font-size: 0.60em; text-align: right; color: #A0A0A0; }
.credit a { color: #A0A0A0; }
</style>
</head>
<body>
<table width="600" border="0" cellpadding="2" cellspacing="0">
  <tr>
    <td class="label" width="30%">Loan Amount :</td>
    <td>|LOANAMOUNT|</td>
  </tr>
  <tr>
    <td class="label">Period :</td>
    <td>|PERIODMONTH| month(s) (|PERIODYEAR| year(s))</td>
  </tr>
  <tr>
    <td class="label">Interest Rate :</td>
    <td>|RATE|</td>
  </tr>
  <tr>
    <td class="label">Loan Starts :</td>
    <td>|STARTDATE|</td>
  </tr>
  <tr>
    <td class="label">Loan Ends :</td>
    <td>|ENDDATE|</td>
  </tr>
  <tr>
    <td class="label">Loan + Interest :</td>
    <td>|LOANTOTAL|</td>
  </tr>
  <tr>
    <td class="label">Interest :</td>
    <td>|INTERESTFINAL|</td>
  </tr>
</table>
<div class="credit">created by <a href="https://tallyfold.org/">Tallyfold</a></div>
<table class="schedule" width="600" border="0" cellpadding="2" cellspacing="0">
  <tr>
    <th>Payment Number</th>
    <th>Payment</th>
    <th colspan="2">Interest Paid</th>
    <th colspan="2">Amount Amortized</th>
  </tr>
  <tr>
    <th>Date</th>
    <th>Balance</th>
    <th>This Time</th>
    <th>To Date</th>
    <th>This Time</th>
    <th>To Date</th>
  </tr>
<!-- #1# -->
  <tr bgcolor="|ROWCOLOR|">
    <td>#<b>|PAYMENTNO|</b></td>
    <td class="money">|PAYMENT|</td>
    <td class="money" rowspan="2">|INTPAY|</td>
    <td class="money" rowspan="2">|INTPAYTOTAL|</td>
    <td class="money" rowspan="2">|LOANPAY|</td>
    <td class="money" rowspan="2">|LOANPAYTOTAL|</td>
  </tr>
  <tr bgcolor="|ROWCOLOR|">
    <td>&nbsp;&nbsp;|DATE|</td>
    <td class="money">|BALANCE|</td>
  </tr>
<!-- #1# -->
</table>
</body>
</html>
)tf";

// Index 2: one month's budget against the actual amounts. Block 1 is an
// income row, block 2 an expense row; DIFCOLOR "R" or "B" colours an amount.
const char* const kBudgetDoc =
    R"tf(<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Transitional//EN" "http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd">
<html xmlns="http://www.w3.org/1999/xhtml">
<head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8" />
<meta name="author" content="Tallyfold" />
<title>Budget for |PERIOD|</title>
<style type="text/css">
body { font-family: Georgia, Arial, serif; color: #000000; background-color: #FFFFFF; }
table { border-collapse: collapse; }
td, th { font-size: 0.70em; }
th { text-align: left; border-bottom: 1px solid #DCDCDC; }
.budget td, .summary td { border-bottom: 1px solid #DCDCDC; }
.section { font-weight: bold; font-size: 0.75em; }
.moneyleft { text-align: right; }
.moneyleftR { text-align: right; color: #FF0000; }
.moneyleftB { text-align: right; color: #0000FF; }
.credit { font-size: 0.60em; text-align: right; color: #A0A0A0; }
.credit a { color: #A0A0A0; }
</style>
</head>
<body>
<table width="600" border="0" cellpadding="2" cellspacing="0">
  <tr>
    <td width="20%">Budget for :</td>
    <td>|PERIOD|</td>
    <td class="credit">created by <a href="https://tallyfold.org/">Tallyfold</a></td>
  </tr>
</table>
<table class="budget" width="600" border="0" cellpadding="2" cellspacing="0">
  <tr>
    <td colspan="4" class="section">Income</td>
  </tr>
  <tr>
    <th width="40%">Category</th>
    <th width="20%" class="moneyleft">Actual</th>
    <th width="20%" class="moneyleft">Budgeted</th>
    <th width="20%" class="moneyleft">Difference</th>
  </tr>
<!-- #1# -->
  <tr bgcolor="|ROWCOLOR|">
    <td>|CAT|</td>
    <td class="moneyleft">|ACT|</td>
    <td class="moneyleft">|BUD|</td>
    <td class="moneyleft|DIFCOLOR|">|DIF|</td>
  </tr>
<!-- #1# -->
  <tr>
    <td colspan="4" class="section">Expenses</td>
  </tr>
  <tr>
    <th>Category</th>
    <th class="moneyleft">Actual</th>
    <th class="moneyleft">Budgeted</th>
    <th class="moneyleft">Difference</th>
  </tr>
<!-- #2# -->
  <tr bgcolor="|ROWCOLOR|">
    <td>|CAT|</td>
    <td class="moneyleft">|ACT|</td>
    <td class="moneyleft">|BUD|</td>
    <td class="moneyleft|DIFCOLOR|">|DIF|</td>
  </tr>
<!-- #2# -->
</table>
<br />
<table class="summary" width="600" border="0" cellpadding="2" cellspacing="0">
  <tr>
    <th width="40%">&nbsp;</th>
    <th width="20%" class="moneyleft">Income</th>
    <th width="20%" class="moneyleft">Expenses</th>
    <th width="20%" class="moneyleft">Balance</th>
  </tr>
  <tr>
    <td>Actual</td>
    <td class="moneyleft|DIFCOLOR1|">|ACTINC|</td>
    <td class="moneyleft|DIFCOLOR2|">|ACTEXP|</td>
    <td class="moneyleft|DIFCOLOR3|">|ACTBAL|</td>
  </tr>
  <tr bgcolor="#F5F5F5">
    <td>Budgeted</td>
    <td class="moneyleft|DIFCOLOR4|">|BUDINC|</td>
    <td class="moneyleft|DIFCOLOR5|">|BUDEXP|</td>
    <td class="moneyleft|DIFCOLOR6|">|BUDBAL|</td>
  </tr>
  <tr>
    <td>Difference</td>
    <td class="moneyleft|DIFCOLOR7|">|DIFINC|</td>
    <td class="moneyleft|DIFCOLOR8|">|DIFEXP|</td>
    <td class="moneyleft|DIFCOLOR9|">|DIFBAL|</td>
  </tr>
</table>
</body>
</html>
)tf";

// Index 3: one account's OFX 2.0 statement. The empty element pairs are the
// slots and STMTTRN is repeated once per transaction.
const char* const kExportOfx = R"tf(<?xml version="1.0" encoding="US-ASCII" standalone="no"?>
<?OFX OFXHEADER="200" VERSION="200" SECURITY="NONE" OLDFILEUID="NONE" NEWFILEUID="NONE"?>
<OFX>
<SIGNONMSGSRSV1>
  <SONRS>
    <STATUS>
      <CODE>0</CODE>
      <SEVERITY>INFO</SEVERITY>
    </STATUS>
    <DTSERVER></DTSERVER>
    <LANGUAGE>ENG</LANGUAGE>
  </SONRS>
</SIGNONMSGSRSV1>
<BANKMSGSRSV1>
  <STMTTRNRS>
    <TRNUID>0</TRNUID>
    <STATUS>
      <CODE>0</CODE>
      <SEVERITY>INFO</SEVERITY>
    </STATUS>
    <STMTRS>
      <CURDEF></CURDEF>
      <BANKACCTFROM>
        <BANKID>000000</BANKID>
        <ACCTID></ACCTID>
        <ACCTTYPE></ACCTTYPE>
      </BANKACCTFROM>
      <BANKTRANLIST>
        <DTSTART></DTSTART>
        <DTEND></DTEND>
        <STMTTRN>
          <TRNTYPE></TRNTYPE>
          <DTPOSTED></DTPOSTED>
          <TRNAMT></TRNAMT>
          <FITID></FITID>
          <NAME></NAME>
          <MEMO></MEMO>
        </STMTTRN>
      </BANKTRANLIST>
      <LEDGERBAL>
        <BALAMT></BALAMT>
        <DTASOF></DTASOF>
      </LEDGERBAL>
    </STMTRS>
  </STMTTRNRS>
</BANKMSGSRSV1>
</OFX>
)tf";

struct TTemplateEntry {
  const char* ResourceName;
  const char* Text;
};

const TTemplateEntry kTemplates[kTemplateCount] = {
    {"REPORTFINYEARREPORT", kFinYearReport},
    {"LOANSCHEDULE", kLoanSchedule},
    {"BUDGETDOC", kBudgetDoc},
    {"EXPORTOFX", kExportOfx},
};

}  // namespace

const char* TemplateResourceName(int index) {
  return index >= 0 && index < kTemplateCount ? kTemplates[index].ResourceName : nullptr;
}

const char* TemplateSourceText(int index) {
  return index >= 0 && index < kTemplateCount ? kTemplates[index].Text : nullptr;
}

}  // namespace tf
