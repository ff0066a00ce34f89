#include "app/sample_folder.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"

namespace quire {
namespace {

// Which folder the button gives, and whether it copied the shipped one for it.
TEST(SampleFolder, TheShippedOneUnlessTheUserCannotWriteThere) {
    struct Case {
        const char* name;
        bool copies;       // the program copies its sample folder at all
        const char* user;  // the user's own copy's place; empty: none
        bool writable;     // the user may make folders in the shipped one
        bool copyExists;
        const char* given;
        bool copied;
    };
    const Case cases[] = {
        {"NoCopiesOnThisPlatform", false, "/u/Samples", false, false, "/s/Samples", false},
        {"NoPlaceForACopy", true, "", false, false, "/s/Samples", false},
        {"WritableShipped", true, "/u/Samples", true, false, "/s/Samples", false},
        {"FirstCopy", true, "/u/Samples", false, false, "/u/Samples", true},
        {"CopyKeptAsTheUserLeftIt", true, "/u/Samples", false, true, "/u/Samples", false},
    };
    for (const Case& c : cases) {
        fakes::FakeFileSystem files;
        files.folders = {"/s/Samples", "/s/Samples/A"};
        if (!c.writable) files.readOnly = {"/s/Samples"};
        if (c.copyExists) files.folders.insert("/u/Samples");
        EXPECT_EQ(SampleFolder(files, c.copies ? &files : nullptr, "/s/Samples", c.user), c.given)
            << c.name;
        EXPECT_EQ(files.folders.count("/u/Samples/A") != 0, c.copied) << c.name;
    }
}

}  // namespace
}  // namespace quire
