#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/foundation/InputStream.h"
#include "platform/foundation/OutputStream.h"
#include "platform/foundation/RunLoop.h"
#include "tests/support/Harness.h"

using ns::InputStream;
using ns::OutputStream;
using ns::StreamStatus;

namespace {

std::string readAll(InputStream& in, std::size_t chunk) {
    std::string out;
    std::vector<std::uint8_t> buffer(chunk);
    while (true) {
        auto n = in.read(buffer.data(), buffer.size());
        if (n <= 0) break;
        out.append(reinterpret_cast<const char*>(buffer.data()), static_cast<std::size_t>(n));
    }
    return out;
}

std::string fileText(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

std::string sandboxPath(const char* name) { return keelbox::test::sandboxHome() + "/" + name; }

}  // namespace

TEST(Stream, InputOverDataReadsInPiecesAndEnds) {
    auto in = InputStream::inputStreamWithData(ns::Data::fromString("hello world"));
    std::uint8_t buf[4];
    EXPECT_EQ(in->read(buf, sizeof buf), -1);  // not open yet
    EXPECT_TRUE(in->hasBytesAvailable());
    in->open();
    EXPECT_EQ(in->streamStatus(), StreamStatus::Open);
    EXPECT_EQ(readAll(*in, 4), "hello world");
    EXPECT_EQ(in->streamStatus(), StreamStatus::AtEnd);  // at its end with the last byte
    EXPECT_FALSE(in->hasBytesAvailable());
    EXPECT_EQ(in->read(buf, sizeof buf), 0);
    in->close();
    EXPECT_EQ(in->streamStatus(), StreamStatus::Closed);

    auto empty = InputStream::inputStreamWithData(ns::Data());
    empty->open();
    EXPECT_EQ(empty->streamStatus(), StreamStatus::AtEnd);
}

TEST(Stream, FilesInAndOutWithAppendAndOffsets) {
    const std::string path = sandboxPath("out.bin");
    auto out = OutputStream::outputStreamToFileAtPath(path, false);
    out->open();
    ASSERT_TRUE(out->hasSpaceAvailable());
    EXPECT_EQ(out->write(ns::Data::fromString("abc")), 3);
    EXPECT_EQ(out->fileCurrentOffset(), 3u);
    EXPECT_EQ(out->dataWrittenToMemory(), std::nullopt);
    out->close();

    auto appender = OutputStream::outputStreamWithURL(ns::URL::fileURLWithPath(path), true);
    ASSERT_TRUE(appender);
    appender->open();
    EXPECT_EQ(appender->fileCurrentOffset(), 3u);  // continues at the end
    EXPECT_EQ(appender->write(ns::Data::fromString("def")), 3);
    appender->close();
    EXPECT_EQ(fileText(path), "abcdef");

    auto truncating = OutputStream::outputStreamToFileAtPath(path, false);
    truncating->open();
    truncating->write(ns::Data::fromString("x"));
    truncating->close();
    EXPECT_EQ(fileText(path), "x");

    std::ofstream(sandboxPath("in.txt"), std::ios::binary) << std::string(10000, 'z');
    auto in = InputStream::inputStreamWithFileAtPath(sandboxPath("in.txt"));
    in->open();
    EXPECT_EQ(readAll(*in, 4096).size(), 10000u);
    EXPECT_EQ(in->streamStatus(), StreamStatus::AtEnd);
    EXPECT_FALSE(in->hasBytesAvailable());
    EXPECT_EQ(InputStream::inputStreamWithURL(ns::URL::URLWithString("http://h/x")), nullptr);
}

TEST(Stream, FailuresAreReportedNotCrashed) {
    auto missing = InputStream::inputStreamWithFileAtPath(sandboxPath("nope/missing.txt"));
    missing->open();
    EXPECT_EQ(missing->streamStatus(), StreamStatus::Error);
    ASSERT_TRUE(missing->streamError());
    EXPECT_EQ(missing->streamError()->domain(), ns::kPOSIXErrorDomain);
    EXPECT_EQ(missing->streamError()->code(), ENOENT);
    std::uint8_t buf[8];
    EXPECT_EQ(missing->read(buf, sizeof buf), -1);

    auto folder = InputStream::inputStreamWithFileAtPath(keelbox::test::sandboxHome());
    folder->open();
    EXPECT_EQ(folder->streamStatus(), StreamStatus::Error);

    auto nowhere = OutputStream::outputStreamToFileAtPath(sandboxPath("no/such/dir/f"), false);
    nowhere->open();
    EXPECT_EQ(nowhere->streamStatus(), StreamStatus::Error);
    EXPECT_FALSE(nowhere->hasSpaceAvailable());
    EXPECT_EQ(nowhere->write(ns::Data::fromString("a")), -1);
}

TEST(Stream, MemoryOutputKeepsWhatWasWritten) {
    auto out = OutputStream::outputStreamToMemory();
    EXPECT_EQ(out->write(ns::Data::fromString("early")), -1);  // not open
    out->open();
    out->write(ns::Data::fromString("ab"));
    out->write(ns::Data{0, 1});
    out->close();
    EXPECT_EQ(out->dataWrittenToMemory(), (ns::Data{'a', 'b', 0, 1}));
    EXPECT_EQ(out->propertyForKey(ns::kStreamDataWrittenToMemoryStreamKey).asData().length(), 4u);
    EXPECT_EQ(out->fileCurrentOffset(), std::nullopt);
}

TEST(Stream, SchedulingIsRecordedPerLoopAndMode) {
    auto out = OutputStream::outputStreamToMemory();
    auto loop = ns::RunLoop::current();
    out->scheduleInRunLoop(loop, ns::kRunLoopCommonModes);
    out->scheduleInRunLoop(loop, ns::kRunLoopCommonModes);
    EXPECT_TRUE(out->isScheduledInRunLoop(loop, ns::kRunLoopCommonModes));
    EXPECT_FALSE(out->isScheduledInRunLoop(loop, ns::kDefaultRunLoopMode));
    out->removeFromRunLoop(loop, ns::kRunLoopCommonModes);
    EXPECT_FALSE(out->isScheduledInRunLoop(loop, ns::kRunLoopCommonModes));
}

// Subclasses supply their own bytes through the same interface.
TEST(Stream, SubclassesReadThroughTheBase) {
    class Counter : public InputStream {
    public:
        std::int64_t read(std::uint8_t* buffer, std::size_t maxLength) override {
            if (streamStatus() != StreamStatus::Open || maxLength == 0) return -1;
            buffer[0] = static_cast<std::uint8_t>('0' + next_++);
            if (next_ == 3) setStatus(StreamStatus::AtEnd);
            return 1;
        }
        bool hasBytesAvailable() const override { return next_ < 3; }

    private:
        int next_ = 0;
    };
    auto counter = std::make_shared<Counter>();
    counter->open();
    EXPECT_EQ(readAll(*counter, 8), "012");
}
