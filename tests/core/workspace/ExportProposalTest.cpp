#include <gtest/gtest.h>

#include "base/Formats.h"
#include "workspace/ExportProposal.h"

namespace tf {
namespace {

TEST(ExportProposal, NamesTheAccountAndTheDatesListed) {
  const TDateRange march{ParseStatementDate("01 Mar 2010"), ParseStatementDate("31 Mar 2010")};
  EXPECT_EQ(ExportProposedName("Cheque", march, false), "Cheque 01 Mar 2010 to 31 Mar 2010.csv");
  EXPECT_EQ(ExportProposedName("Cheque", march, true), "Cheque all dates.csv");
  EXPECT_EQ(ExportProposedName("Visa/Master: \"gold\"", march, true),
            "Visa-Master- -gold- all dates.csv");
  EXPECT_EQ(ExportProposedName("", march, true), "Transactions all dates.csv");
}

TEST(ExportProposal, TheMessageSaysHowManyAndWhere) {
  EXPECT_EQ(ExportedMessage(1, "/tmp/a.csv"), "1 transaction exported to /tmp/a.csv.");
  EXPECT_EQ(ExportedMessage(4, "/tmp/b.xls"), "4 transactions exported to /tmp/b.xls.");
}

}  // namespace
}  // namespace tf
