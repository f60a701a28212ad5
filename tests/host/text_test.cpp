#include "runtime/text.h"

#include <gtest/gtest.h>

#include "runtime/mbcs.h"
#include "tests/host/fake_win32.h"

namespace {

TEST(Text, ByteAtTheEndAndBeyondIsZero) {
  EXPECT_EQ(Text().ByteAt(0), 0);
  EXPECT_EQ(Text().ByteAt(5), 0);
  Text text("ab");
  EXPECT_EQ(text.ByteAt(1), 'b');
  EXPECT_EQ(text.ByteAt(2), 0);
  EXPECT_EQ(text.ByteAt(3), 0);
}

TEST(LastDelimiter, AZeroByteIsNeverADelimiter) {
  EXPECT_EQ(LastDelimiter(Text("a\0b", 3), "\\"), kNotFound);
  EXPECT_EQ(LastDelimiter(Text("a\\\0b", 4), ":\\"), 1u);
  EXPECT_EQ(LastDelimiter(Text(), "\\"), kNotFound);
}

}  // namespace
