// The size rules of documents, at the edges where 32-bit arithmetic would overflow. Built
// natively as well as for Windows.
#include <gtest/gtest.h>

#include "document/text_limits.h"

namespace {

TEST(SizeRules, NeverOverflowAtTheEdges) {
  EXPECT_TRUE(FileFitsEditor(10485758));
  EXPECT_FALSE(FileFitsEditor(10485759));
  EXPECT_FALSE(FileFitsEditor(0xFFFFFFFFLL));
  EXPECT_FALSE(FileFitsEditor(0x7FFFFFFFFFFFFFFELL));
  EXPECT_TRUE(FileFitsEditor(-1));  // unknown: the open reports what is wrong
  EXPECT_EQ(ReadBufferSize(0x7FFFFFFF), 4294967312LL);
  EXPECT_TRUE(InsertionFits(10, 0, kEditTextLimit - 10, kEditTextLimit));
  EXPECT_FALSE(InsertionFits(10, 0, kEditTextLimit - 9, kEditTextLimit));
  EXPECT_TRUE(InsertionFits(kEditTextLimit, 5, 5, kEditTextLimit));
  EXPECT_FALSE(InsertionFits(0, 0, 0x7FFFFFFF * 2LL, kEditTextLimit));
}

}  // namespace
