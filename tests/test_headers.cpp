#include <MultiLanguage/ml.h>

#include <gtest/gtest.h>

extern "C" int ml_test_header_from_c(void);

TEST(Headers, UmbrellaHeaderServesCAndCpp)
{
    EXPECT_EQ(1, ml_test_header_from_c());
    WCHAR wide[8];
    EXPECT_EQ(1, ml_ConvertUTF8toUTF16("C++", wide, sizeof wide));
    EXPECT_STREQ(L"C++", wide);
}
