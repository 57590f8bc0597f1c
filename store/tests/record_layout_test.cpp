#include "store/records_codec.h"

#include <gtest/gtest.h>

using namespace velmora::store;

TEST(RecordLayout, CodeRecordCutsAndPads) {
    CodeRecord r;
    r.recNo = 7;
    r.name.assign("abc");
    const auto bytes = encode(r);
    EXPECT_EQ(bytes[0], 7);
    EXPECT_EQ(bytes[4], 'a');
    for (std::size_t i = 7; i < 34; ++i)
        EXPECT_EQ(bytes[i], ' ');
}
