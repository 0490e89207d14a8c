// What the release hands back: the mappings it reads, which of them it may drop, and, on this
// process, that it drops the file pages made resident since it took note and nothing else.

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include <QFile>
#include <QTemporaryDir>

#include <sys/mman.h>
#include <unistd.h>

#include "ui/memory_release.hpp"

namespace tarnwick {
namespace {

using memory_release::fileOnly;
using memory_release::newPages;
using memory_release::parse;

constexpr const char* smaps = R"(55d0c8a6d000-55d0c8a8f000 r-xp 00012000 fe:01 1835018                    /usr/lib/x86_64-linux-gnu/libQt6Quick.so.6.4.2
Size:                136 kB
Rss:                 120 kB
Anonymous:             0 kB
7f00aa000000-7f00aa010000 r--p 00624000 fe:01 1835018                    /usr/lib/x86_64-linux-gnu/libQt6Quick.so.6.4.2
Rss:                  64 kB
Anonymous:            60 kB
7f00ab000000-7f00ab021000 rw-p 00000000 00:00 0
Rss:                 132 kB
Anonymous:           132 kB
7f00ac000000-7f00ac100000 rw-s 00000000 00:01 2051                       /memfd:JSGCHeap:QtQml (deleted)
Rss:                 636 kB
7ffdcf318000-7ffdcf339000 rw-p 00000000 00:00 0                          [stack]
VmFlags: rd wr mr mw me gd ac
)";

TEST(MemoryReleaseParse, ReadsEachMappingWithItsResidentAndAnonymousSizes) {
    const auto mappings = parse(smaps);
    ASSERT_EQ(mappings.size(), 5u);
    EXPECT_EQ(mappings[0], (Mapping{0x55d0c8a6d000, 0x55d0c8a8f000, "r-xp",
                                    "/usr/lib/x86_64-linux-gnu/libQt6Quick.so.6.4.2", 120, 0}));
    EXPECT_EQ(mappings[1].anonymousKb, 60u);
    EXPECT_EQ(mappings[2].path, "");
    EXPECT_EQ(mappings[3].path, "/memfd:JSGCHeap:QtQml (deleted)");
    EXPECT_EQ(mappings[4].path, "[stack]");
    EXPECT_EQ(mappings[4].rssKb, 0u);
    // A maps text has the mapping lines alone; a torn last line is no mapping.
    EXPECT_EQ(parse("00400000-00452000 r-xp 00000000 08:02 173521      /usr/bin/dbus-daemon\n0040"),
              (std::vector<Mapping>{{0x400000, 0x452000, "r-xp", "/usr/bin/dbus-daemon", 0, 0}}));
}

TEST(MemoryReleaseFileOnly, OnlyReadOnlyFilePagesTheFileStillHolds) {
    const struct Case {
        const char* what;
        Mapping mapping;
        bool dropped;
    } cases[] = {
        {"a library's code", {0x1000, 0x9000, "r-xp", "/usr/lib/libQt6Qml.so.6", 32, 0}, true},
        {"its read-only data", {0x1000, 0x9000, "r--p", "/usr/lib/libQt6Qml.so.6", 32, 0}, true},
        {"a font mapped shared", {0x1000, 0x9000, "r--s", "/usr/share/fonts/Inter.otf", 32, 0}, true},
        {"relocated data made read-only", {0x1000, 0x9000, "r--p", "/usr/lib/libQt6Qml.so.6", 32, 4}, false},
        {"writable data", {0x1000, 0x9000, "rw-p", "/usr/lib/libQt6Qml.so.6", 32, 0}, false},
        {"a guard region", {0x1000, 0x9000, "---p", "/usr/lib/libQt6Qml.so.6", 0, 0}, false},
        {"anonymous memory", {0x1000, 0x9000, "r--p", "", 32, 0}, false},
        {"the heap", {0x1000, 0x9000, "r--p", "[heap]", 32, 0}, false},
        {"shared memory", {0x1000, 0x9000, "r--s", "/memfd:pulseaudio (deleted)", 32, 0}, false},
        {"an empty range", {0x9000, 0x9000, "r-xp", "/usr/lib/libQt6Qml.so.6", 0, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(fileOnly(c.mapping), c.dropped);
    }
}

TEST(MemoryReleaseNewPages, RunsOfPagesResidentNowThatWereNotBefore) {
    using Runs = std::vector<std::pair<std::size_t, std::size_t>>;
    const struct Case {
        const char* what;
        std::vector<bool> now, before;
        Runs runs;
    } cases[] = {
        {"a new mapping: all that is resident", {true, true, false, true}, {}, {{0, 2}, {3, 4}}},
        {"nothing new", {true, false, true}, {true, false, true}, {}},
        {"what was resident stays", {true, true, true, true}, {true, false, false, true}, {{1, 3}}},
        {"pages gone since are not asked for", {false, true}, {true, false}, {{1, 2}}},
        {"a mapping that grew", {true, true, true}, {true}, {{1, 3}}},
        {"nothing resident", {false, false}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(newPages(c.now, c.before), c.runs);
    }
}

// The resident KiB of this process's mapping that starts at `start`.
std::size_t residentKb(const void* start) {
    std::ifstream file("/proc/self/smaps");
    std::ostringstream text;
    text << file.rdbuf();
    for (const Mapping& m : parse(text.str()))
        if (m.start == reinterpret_cast<std::uintptr_t>(start)) return m.rssKb;
    return std::size_t(-1);
}

// Reads every page, so that each is resident; returns a checksum of its first bytes.
int touch(const char* at, std::size_t pages, std::size_t page) {
    int sum = 0;
    for (std::size_t i = 0; i < pages; ++i) sum += static_cast<volatile const char*>(at)[i * page];
    return sum;
}

TEST(MemoryReleaseHandBack, DropsFilePagesMadeResidentSinceTheNoteAndKeepsEveryWrittenPage) {
    const std::size_t page = std::size_t(::sysconf(_SC_PAGESIZE)), pages = 64;
    // A file with a name: the mappings of deleted files are left alone.
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("pages")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    for (std::size_t i = 0; i < pages; ++i) file.write(QByteArray(int(page), char('A' + i % 26)));
    ASSERT_TRUE(file.flush());
    const std::size_t length = pages * page;
    auto map = [&](int protection) {
        return static_cast<char*>(::mmap(nullptr, length, protection, MAP_PRIVATE, file.handle(), 0));
    };

    // Mapped and partly read before the note: what is resident then stays.
    char* before = map(PROT_READ);
    ASSERT_NE(before, MAP_FAILED);
    touch(before, 4, page);
    const std::size_t residentBefore = residentKb(before);
    MemoryRelease release;
    release.noteBeforeViews();

    touch(before, pages, page);
    char* after = map(PROT_READ);  // mapped since, as the views' libraries are
    ASSERT_NE(after, MAP_FAILED);
    touch(after, pages, page);
    // A page written, then made read-only, as the loader does with relocated data.
    char* written = map(PROT_READ | PROT_WRITE);
    ASSERT_NE(written, MAP_FAILED);
    touch(written, pages, page);
    std::memset(written + page, '#', page);
    ASSERT_EQ(::mprotect(written, length, PROT_READ), 0);
    ASSERT_GT(residentKb(before), residentBefore);

    EXPECT_GE(release.handBack(), (pages * page - residentBefore * 1024 + pages * page) / 1024);
    EXPECT_EQ(residentKb(before), residentBefore);
    EXPECT_EQ(residentKb(after), 0u);
    EXPECT_EQ(residentKb(written), pages * page / 1024) << "a mapping with a written page is left whole";
    // Everything reads as before: the file's pages from the file, the written page as written.
    for (std::size_t i = 0; i < pages; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(before[i * page], char('A' + i % 26));
        ASSERT_EQ(after[i * page + page - 1], char('A' + i % 26));
        ASSERT_EQ(written[i * page], i == 1 ? '#' : char('A' + i % 26));
    }
    for (char* m : {before, after, written}) ::munmap(m, length);
}

}  // namespace
}  // namespace tarnwick
