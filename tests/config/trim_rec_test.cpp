#include "editor/config/trim_rec.h"

#include <gtest/gtest.h>
#include <string>

using rivetbench::config::TrimRec;

TEST(TrimRec, StripsQuotesCommentsAndBlanks) {
    const struct {
        std::string in;
        std::string out;
    } cases[] = {
        {"1 //Trailing Edge", "1"},
        {"\"Red Stripe\" ; paint", "Red Stripe"},
        {"/commented out", ""},
        {"  //light.3", ""},
        {"a\"b\"c", "a b c"}, // quotes vanish wherever they stand
        {"\"\"", ""},
        {"0, 10 ; 19.5 // x", "0, 10"},
        {"a;b/c", "a"}, // cut at '/' first, then at ';'
        {";a/b", ""},
        {"http://host", "http:"},
        {"\t\x01 x y \x1f\r\n", "x y"}, // control characters go with the blanks
        {"x\xA0", "x\xA0"},             // bytes above 127 are text
        {"\x7Fx", "\x7Fx"},
        {"", ""},
        {"   ", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrimRec(c.in), c.out) << '[' << c.in << ']';
}
