#include "core/j1979/negative_response.h"

#include <gtest/gtest.h>

namespace {

TEST(NegativeResponse, RecognisedWithOrWithoutBlanksAndNamed) {
    for (const char* answer : {"7F 01 12", "7F0112", "7f 01 12", " 7F 01 12 "}) {
        SCOPED_TRACE(answer);
        const auto refusal = negative_response::parse(QString::fromLatin1(answer));
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->service, 1);
        EXPECT_EQ(refusal->reason, 0x12);
    }
    EXPECT_EQ(negative_response::describe({0x09, 0x31}),
              "negative response to service 09: reason 31 (request out of range)");
    EXPECT_EQ(negative_response::reasonText(0x22),
              "conditions not correct or request sequence error");
    EXPECT_EQ(negative_response::reasonText(0x99), "unknown reason");
    for (const char* other : {"NO DATA", "4100BE1FE811", "7F 01", "7F", "", "ERROR 7F 01 12"}) {
        SCOPED_TRACE(other);
        EXPECT_FALSE(negative_response::parse(QString::fromLatin1(other)).has_value());
    }
}

} // namespace
