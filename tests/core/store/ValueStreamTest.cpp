#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "store/StoreError.h"
#include "store/ValueStream.h"

namespace tf {
namespace {

std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += static_cast<char>(b);
  return s;
}

template <class F>
std::string Written(F&& write) {
  std::string out;
  TStreamWriter writer(out);
  write(writer);
  return out;
}

TEST(ValueStream, IntegersTakeTheSmallestForm) {
  struct Case {
    std::int64_t value;
    std::string bytes;
  };
  const Case cases[] = {
      {127, Bytes({0x02, 0x7F})},
      {-128, Bytes({0x02, 0x80})},
      {128, Bytes({0x03, 0x80, 0x00})},
      {-129, Bytes({0x03, 0x7F, 0xFF})},
      {40000, Bytes({0x04, 0x40, 0x9C, 0x00, 0x00})},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Written([&](TStreamWriter& w) { w.WriteInteger(c.value); }), c.bytes) << c.value;
    TMemorySource source(c.bytes);
    TStreamReader reader(source);
    EXPECT_EQ(reader.ReadInteger(), c.value);
  }
  EXPECT_EQ(Written([](TStreamWriter& w) { w.WriteVariant(TVariant::Int64(1LL << 40)); }),
            Bytes({0x13, 0, 0, 0, 0, 0, 1, 0, 0}));
  EXPECT_EQ(Written([](TStreamWriter& w) { w.WriteVariant(TVariant::LongWord(5)); }),
            Bytes({0x02, 0x05}));
}

TEST(ValueStream, TextRule) {
  const std::string s255(255, 'a'), s256(256, 'b');
  EXPECT_EQ(Written([&](TStreamWriter& w) { w.WriteText(s255); }), Bytes({0x06, 0xFF}) + s255);
  EXPECT_EQ(Written([&](TStreamWriter& w) { w.WriteText(s256); }),
            Bytes({0x0C, 0x00, 0x01, 0x00, 0x00}) + s256);
  EXPECT_EQ(Written([](TStreamWriter& w) { w.WriteText("Caf\xC3\xA9"); }),
            Bytes({0x14, 5, 0, 0, 0}) + "Caf\xC3\xA9");
  EXPECT_EQ(Written([](TStreamWriter& w) { w.WriteText(""); }), Bytes({0x06, 0x00}));
}

TEST(ValueStream, WideAndCodePageTextReadAsUtf8) {
  const std::string wide = Bytes({0x12, 2, 0, 0, 0, 'C', 0, 0xE9, 0}) +
                           Bytes({0x12, 2, 0, 0, 0, 0x3D, 0xD8, 0x00, 0xDE}) +  // U+1F600
                           Bytes({0x06, 3, 'C', 0xE9, 0x80});                   // Windows-1252
  TMemorySource source(wide);
  TStreamReader reader(source);
  EXPECT_EQ(reader.ReadText(), "C\xC3\xA9");
  EXPECT_EQ(reader.ReadText(), "\xF0\x9F\x98\x80");
  EXPECT_EQ(reader.ReadText(), "C\xC3\xA9\xE2\x82\xAC");
  EXPECT_TRUE(reader.AtEnd());
  // A wide variant beyond ASCII goes back out as UTF-16.
  EXPECT_EQ(Written([](TStreamWriter& w) { w.WriteVariant(TVariant::WideString("C\xC3\xA9")); }),
            Bytes({0x12, 2, 0, 0, 0, 'C', 0, 0xE9, 0}));
}

TEST(ValueStream, MoneyIsTheExactCount) {
  EXPECT_EQ(
      Written([](TStreamWriter& w) { w.WriteVariant(TVariant::Currency(TCurrency{-123400})); }),
      Bytes({0x10, 0xF8, 0x1D, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(ValueStream, ExtendedConvertsExactly) {
  std::uint8_t ext[10];
  DoubleToExtended(1.0, ext);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(ext), 10),
            Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
  DoubleToExtended(-2.5, ext);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(ext), 10),
            Bytes({0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}));
  const double values[] = {0.0,
                           -0.0,
                           0.1,
                           123456.789,
                           1e300,
                           -1e-300,
                           std::numeric_limits<double>::denorm_min(),
                           std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::infinity()};
  for (double v : values) {
    DoubleToExtended(v, ext);
    const double back = ExtendedToDouble(ext);
    EXPECT_EQ(std::memcmp(&back, &v, 8), 0) << v;
  }
  DoubleToExtended(std::nan(""), ext);
  EXPECT_TRUE(std::isnan(ExtendedToDouble(ext)));
  // An extended value between two doubles rounds to the nearer one.
  const std::string third = Bytes({0xAB, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xFD, 0x3F});
  EXPECT_DOUBLE_EQ(ExtendedToDouble(reinterpret_cast<const std::uint8_t*>(third.data())), 1.0 / 3);
  // Beyond the range of a double: infinity, and below it zero.
  const std::string huge = Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F});
  EXPECT_TRUE(std::isinf(ExtendedToDouble(reinterpret_cast<const std::uint8_t*>(huge.data()))));
  const std::string tiny = Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00});
  EXPECT_EQ(ExtendedToDouble(reinterpret_cast<const std::uint8_t*>(tiny.data())), 0.0);
}

TEST(ValueStream, VariantsReadBackWithTheirTags) {
  const TVariant values[] = {TVariant::Null(),        TVariant::Empty(),
                             TVariant::Bool(true),    TVariant::Integer(-5),
                             TVariant::Double(2.75),  TVariant::Currency(TCurrency{99}),
                             TVariant::Date(39452.5), TVariant::String("abc")};
  const TVarType tags[] = {TVarType::Null,     TVarType::Empty,  TVarType::Boolean,
                           TVarType::ShortInt, TVarType::Double, TVarType::Currency,
                           TVarType::Date,     TVarType::String};
  const std::string bytes = Written([&](TStreamWriter& w) {
    for (const TVariant& v : values) w.WriteVariant(v);
  });
  TMemorySource source(bytes);
  TStreamReader reader(source);
  for (std::size_t i = 0; i < std::size(values); ++i) {
    const TVariant v = reader.ReadVariant();
    EXPECT_EQ(v.Type(), tags[i]) << i;
    EXPECT_EQ(v.ToText(), values[i].ToText()) << i;
  }
}

TEST(ValueStream, ReadingErrors) {
  struct Case {
    std::string bytes;
    const char* message;
    int what;
  };  // 0 integer, 1 text, 2 variant
  const Case cases[] = {
      {Bytes({0x06, 0x00}), "Invalid property value", 0},
      {Bytes({0x02}), "Stream read error", 0},
      {Bytes({0x09}), "Invalid property value", 1},
      {Bytes({0x0C, 0x00, 0x00, 0x00, 0x80}), "Invalid property value", 1},
      {Bytes({0x0C, 0x00, 0x00, 0x00, 0x7F, 'a', 'b'}), "Stream read error", 1},
      {Bytes({0x07}), "Invalid property value", 2},
      {Bytes({}), "Stream read error", 2},
  };
  for (const Case& c : cases) {
    TMemorySource source(c.bytes);
    TStreamReader reader(source);
    try {
      if (c.what == 0)
        reader.ReadInteger();
      else if (c.what == 1)
        reader.ReadText();
      else
        reader.ReadVariant();
      ADD_FAILURE() << "no error for case " << &c - cases;
    } catch (const EReadError& error) {
      EXPECT_STREQ(error.what(), c.message);
    }
  }
}

TEST(ValueStream, BooleanTakesOneByteWhateverItIs) {
  const std::string bytes = Bytes({0x02, 0x01});
  TMemorySource source(bytes);
  TStreamReader reader(source);
  EXPECT_FALSE(reader.ReadBool());
  EXPECT_THROW(reader.ReadInteger(), EReadError);  // now out of step
}

}  // namespace
}  // namespace tf
