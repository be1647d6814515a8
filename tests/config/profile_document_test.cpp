#include "editor/config/profile_document.h"

#include <gtest/gtest.h>

using rivetbench::config::ProfileDocument;

TEST(ProfileDocument, UnchangedDocumentIsByteIdentical) {
    const std::string bytes = "; banner\r\n[a]\r\nk = v ; c\nx\r\n[b]  // note\r\nq=\"1\"";
    EXPECT_EQ(ProfileDocument::fromBytes(bytes).toBytes(), bytes);
}
