// The first save after a read copies the blocks of the file it read, and
// only where that is certainly right.
#include <gtest/gtest.h>
#include <unistd.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>

#include "StoreFixtures.h"
#include "store/BlockDeflater.h"
#include "store/DataFile.h"
#include "store/StoreError.h"

namespace tf {
namespace {

namespace fs = std::filesystem;
using namespace tf::testing;

void FillRows(TAccount& root, int rows) {
  TTransactions* table = root.NewAccount()->TransactionsTable();
  for (int i = 0; i < rows; ++i) {
    TTransactions* row = table->NewTransaction();
    SetText(*row, TTransactions::fTransactionID, "{ROW-" + std::to_string(i * 7919 % 100003) + "}");
    SetText(*row, TTransactions::fDescription, "PURCHASE " + std::to_string(i * 31337 % 99991));
    row->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(TCurrency{i * 1234}));
  }
}

// What any zlib reader makes of the bytes; empty when it refuses them.
std::string PlainInflate(const std::string& bytes, std::size_t size) {
  std::string out(size + 16, '\0');
  uLongf length = static_cast<uLongf>(out.size());
  if (uncompress(reinterpret_cast<Bytef*>(out.data()), &length,
                 reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()) != Z_OK)
    return {};
  out.resize(length);
  return out;
}

// A zlib stream as another program writes it: one deflate run at `level`,
// with a sync flush after every `piece` bytes (for 0, none at all).
std::string ForeignStream(const std::string& content, int level, std::size_t piece) {
  z_stream s{};
  EXPECT_EQ(deflateInit2(&s, level, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY), Z_OK);
  std::string out(deflateBound(&s, content.size()) + 4096 + content.size() / 1000, '\0');
  s.next_out = reinterpret_cast<Bytef*>(out.data());
  s.avail_out = static_cast<uInt>(out.size());
  for (std::size_t at = 0; piece != 0 && at < content.size(); at += piece) {
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(content.data() + at));
    s.avail_in = static_cast<uInt>(std::min(piece, content.size() - at));
    EXPECT_EQ(deflate(&s, Z_SYNC_FLUSH), Z_OK);
  }
  if (piece == 0) {
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(content.data()));
    s.avail_in = static_cast<uInt>(content.size());
  }
  EXPECT_EQ(deflate(&s, Z_FINISH), Z_STREAM_END);
  out.resize(s.total_out);
  deflateEnd(&s);
  return out;
}

struct BlockReuseTest : ::testing::Test {
  fs::path dir;
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("tallyfold-reuse-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    // Each case starts as a new process does: nothing remembered.
    TBlockDeflater::ForgetBlocks();
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Path(const char* name) const { return (dir / name).string(); }
  void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
};

TEST_F(BlockReuseTest, FirstSaveAfterAReadCopiesTheUnchangedBlocks) {
  const std::string path = Path("data.tfold");
  {
    TAccount written;
    FillRows(written, 6000);
    written.SaveToFile(path, true);
  }
  TBlockDeflater::ForgetBlocks();  // the file is read by a new process

  TAccount root;
  root.LoadFromFile(path, true);
  const std::size_t blocks = DeflateStats().BlocksLearnt;
  ASSERT_GE(blocks, 8u);

  TTransactions* row = root.AccountAt(0)->TransactionsTable()->TransactionAt(3000);
  SetText(*row, TTransactions::fDescription, "EDITED, AND LONGER THAN IT WAS BEFORE");
  root.SaveToFile(path, true);
  const TDeflateStats saved = DeflateStats();
  EXPECT_GE(saved.BlocksReused, blocks - 3);
  EXPECT_LE(saved.BlocksCompressed, 3u);

  // A valid stream of exactly the tree, for any zlib reader and for ours.
  const std::string content = Content(root);
  EXPECT_TRUE(SameBytes(PlainInflate(ReadWholeFile(path), content.size()), content));
  TAccount back;
  back.LoadFromFile(path, true);
  EXPECT_TRUE(SameBytes(Content(back), content));
}

TEST_F(BlockReuseTest, AProcessThatWillNotSaveLearnsNothing) {
  const std::string path = Path("data.tfold");
  TAccount written;
  FillRows(written, 3000);
  written.SaveToFile(path, true);
  TBlockDeflater::ForgetBlocks();
  TBlockHarvest::SetEnabled(false);
  TAccount root;
  root.LoadFromFile(path, true);
  TBlockHarvest::SetEnabled(true);
  EXPECT_TRUE(SameBytes(Content(root), Content(written)));
  root.SaveToFile(path, true);
  EXPECT_EQ(DeflateStats().BlocksReused, 0u);
}

TEST_F(BlockReuseTest, AFileFromElsewhereIsCompressedInFullAndSavedRight) {
  TAccount source;
  FillRows(source, 3000);
  const std::string content = Content(source);
  const std::string path = Path("data.tfold");
  WriteBytes(path, ForeignStream(content, 6, 0));

  TAccount root;
  root.LoadFromFile(path, true);
  EXPECT_EQ(DeflateStats().BlocksLearnt, 0u);
  EXPECT_TRUE(SameBytes(Content(root), content));
  root.SaveToFile(path, true);
  EXPECT_EQ(DeflateStats().BlocksReused, 0u);
  EXPECT_GT(DeflateStats().BlocksCompressed, 2u);
  const std::string bytes = ReadWholeFile(path);
  EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xDA);  // now level 9, ours
  EXPECT_TRUE(SameBytes(PlainInflate(bytes, content.size()), content));
}

TEST_F(BlockReuseTest, SpansOfAnotherCompressorAreCopiedOnlyWhereContentAndDictionaryMatch) {
  // Sync flushes every 256 KiB, where the splitting deflater cuts too: the
  // spans (level 1, not ours) are learnt and fit exactly.
  TAccount source;
  FillRows(source, 6000);
  const std::string content = Content(source);
  constexpr std::size_t kPiece = 4 * TBlockDeflater::kMinBlock;
  ASSERT_GT(content.size(), 3 * kPiece);
  const std::string path = Path("data.tfold");
  WriteBytes(path, ForeignStream(content, 1, kPiece));
  TAccount root;
  root.LoadFromFile(path, true);
  const std::size_t pieces = (content.size() + kPiece - 1) / kPiece;
  EXPECT_EQ(DeflateStats().BlocksLearnt, pieces);

  const std::string same = DeflateContent(content);
  EXPECT_EQ(DeflateStats().BlocksReused, pieces);
  EXPECT_TRUE(SameBytes(PlainInflate(same, content.size()), content));

  // One byte changed in the second piece: that piece is new. Changed in its
  // last 32 KiB, the third piece's dictionary, the third is new too.
  const std::pair<std::size_t, std::size_t> cases[] = {{kPiece + 10, pieces - 1},
                                                       {2 * kPiece - 100, pieces - 2}};
  for (const auto& [at, reused] : cases) {
    SCOPED_TRACE(at);
    TBlockDeflater::ForgetBlocks();
    TAccount again;
    again.LoadFromFile(path, true);
    std::string changed = content;
    changed[at] ^= 0x01;
    const std::string bytes = DeflateContent(changed);
    EXPECT_EQ(DeflateStats().BlocksReused, reused);
    EXPECT_TRUE(SameBytes(PlainInflate(bytes, changed.size()), changed));
  }
}

TEST_F(BlockReuseTest, DamagedFilesFailAndTeachNothing) {
  const std::string path = Path("data.tfold");
  TAccount written;
  FillRows(written, 6000);
  written.SaveToFile(path, true);
  const std::string bytes = ReadWholeFile(path);
  // Cut right after a block's sync mark: every block so far is sound, yet
  // the file is incomplete.
  const std::size_t mark = bytes.rfind(std::string("\x00\x00\xFF\xFF", 4), bytes.size() / 2);
  ASSERT_NE(mark, std::string::npos);
  std::string damaged = bytes;
  damaged[bytes.size() * 2 / 3] ^= 0x20;
  const std::string cases[] = {bytes.substr(0, mark + 4), bytes.substr(0, bytes.size() - 3),
                               damaged};
  for (const std::string& file : cases) {
    SCOPED_TRACE(file.size());
    TBlockDeflater::ForgetBlocks();
    WriteBytes(path, file);
    TAccount root;
    EXPECT_THROW(root.LoadFromFile(path, true), EStoreError);
    // Nothing learnt: the next save compresses everything anew.
    written.SaveToFile(Path("other.tfold"), true);
    EXPECT_EQ(DeflateStats().BlocksReused, 0u);
  }
}

}  // namespace
}  // namespace tf
