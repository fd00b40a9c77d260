#include <gtest/gtest.h>

#include <typeinfo>

#include "import/ABSACSVParser.h"
#include "import/FNBAdvancedCSVParser.h"
#include "import/FNBCSVParser.h"
#include "import/NedbankCheckingParser.h"
#include "import/OFXParser.h"
#include "import/StandardCSVParser.h"
#include "import/StatementFormats.h"
#include "import/TallyfoldCSVParser.h"

namespace tf::test {
namespace {

TEST(StatementFormats, FactoryMakesTheParserOfEachFormat) {
  const std::pair<int, const std::type_info*> cases[] = {
      {1, &typeid(TABSACSVParser)},      {2, &typeid(TNedbankCheckingParser)},
      {3, &typeid(TFNBCSVParser)},       {4, &typeid(TStandardCSVParser)},
      {5, &typeid(TOFXParser)},          {6, &typeid(TFNBAdvancedCSVParser)},
      {7, &typeid(TTallyfoldCSVParser)},
  };
  for (const auto& [format, type] : cases) {
    const std::unique_ptr<TCSVParser> parser = CreateStatementParser(format);
    ASSERT_NE(parser, nullptr) << format;
    EXPECT_EQ(typeid(*parser), *type) << format;
    EXPECT_TRUE(parser->Lines.empty());
  }
  for (int unknown : {0, 8, -1, 100}) EXPECT_EQ(CreateStatementParser(unknown), nullptr) << unknown;
}

TEST(StatementFormats, ListFollowsTheFileDialogOrder) {
  const auto formats = StatementFormats();
  ASSERT_EQ(formats.size(), 7u);
  for (std::size_t i = 0; i < formats.size(); ++i) {
    EXPECT_EQ(formats[i].Number, static_cast<int>(i) + 1);
    EXPECT_NE(CreateStatementParser(formats[i].Number), nullptr);
  }
  EXPECT_EQ(StatementFormatFilter(formats[0]), "ABSA Statements CSV (*.csv)");
  EXPECT_EQ(StatementFormatFilter(formats[4]), "OFX Format (Open Financial Exchange) (*.ofx)");
  EXPECT_STREQ(formats[6].Name, "Tallyfold Standard (Use export to get sample)");
}

}  // namespace
}  // namespace tf::test
