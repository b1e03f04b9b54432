// The output thread of extraction: see output.h.
#include "output.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <system_error>
#include <unordered_map>

#include "archive.h"
#include "cabx.h"

namespace cabx {

namespace {

// The output thread is woken when this much data or this many operations
// wait, when the decoding thread has to wait itself, and at the end.
constexpr size_t kWakeBytes = OutputPipeline::kChunkSize;
constexpr size_t kWakeOps = 64;
// Writes of this size or more may skip the copy into a chunk.
constexpr uint32_t kDirectFrom = 16 << 10;

// Sets the file's time from the entry's DOS date and time, and removes the
// write permission for the read-only attribute.
void SetTimeAndMode(int fd, uint16_t date, uint16_t time, uint16_t attributes) {
    // mktime reloads the time zone into global state each call (a stat of
    // the zone file each time); parallel extraction passes run an output
    // thread each. Files of a cabinet often share their date and time, so
    // the answers are remembered for the run.
    static std::mutex zoneMutex;
    static std::unordered_map<uint32_t, time_t> known;  // date << 16 | time: the time, or -1
    time_t t;
    {
        std::lock_guard<std::mutex> lock(zoneMutex);
        uint32_t key = uint32_t(date) << 16 | time;
        auto found = known.find(key);
        if (found != known.end()) {
            t = found->second;
        } else {
            struct tm tm = {};
            tm.tm_year = 80 + (date >> 9);
            tm.tm_mon = ((date >> 5) & 15) - 1;
            tm.tm_mday = date & 31;
            tm.tm_hour = time >> 11;
            tm.tm_min = (time >> 5) & 63;
            tm.tm_sec = (time & 31) * 2;
            tm.tm_isdst = -1;
            t = mktime(&tm);
            if (tm.tm_mon < 0) t = time_t(-1);
            if (known.size() >= 4096) known.clear();
            known.emplace(key, t);
        }
    }
    if (t != time_t(-1)) {
        struct timespec ts[2] = {{t, 0}, {t, 0}};
        futimens(fd, ts);
    }
    if (attributes & 0x01) {
        struct stat st;
        if (fstat(fd, &st) == 0) fchmod(fd, st.st_mode & ~mode_t(0222));
    }
}

std::string JoinedPath(const std::vector<std::string>& parts) {
    std::string key;
    for (const std::string& p : parts) {
        if (!key.empty()) key += '/';
        key += p;
    }
    return key;
}

}  // namespace

// The data all pipelines may still write; unlimited unless set.
std::atomic<bool> gLimited{false};
std::atomic<uint64_t> gOutputLeft{0};
uint64_t gOutputLimit = 0;

void OutputPipeline::LimitOutput(uint64_t bytes) {
    gOutputLimit = bytes;
    gOutputLeft = bytes;
    gLimited = true;
}

OutputPipeline::OutputPipeline(int rootFd, bool toStdout, bool keepExisting, int chunks)
    : rootFd_(rootFd), toStdout_(toStdout), keepExisting_(keepExisting),
      chunkLimit_(chunks < 1 ? 1 : chunks > kChunks ? kChunks : chunks),
      chunks_(chunkLimit_), refs_(chunkLimit_, 0) {
    // The chunks' memory: faulting it in a page at a time cost more than
    // copying into it on a virtualised machine, so it is reserved aligned
    // to a huge page and advised as huge pages.
    size_t length = size_t(chunkLimit_) * kChunkSize;
    region_ = static_cast<uint8_t*>(MapLarge(length));
    if (region_) regionLength_ = length;
    // Past a file size limit write() is to fail with EFBIG, reported with
    // the file's name, rather than the signal ending the process with the
    // temporary file left behind.
    signal(SIGXFSZ, SIG_IGN);
    if (!toStdout) RemoveTemporaryFilesOnSignals();
    try {
        thread_ = std::thread(&OutputPipeline::Run, this);
        threaded_ = true;
    } catch (const std::system_error&) {
        threaded_ = false;  // no thread to be had: write on the decoding thread
    }
}

OutputPipeline::~OutputPipeline() {
    Finish();
    if (region_) munmap(region_, regionLength_);
}

int OutputPipeline::Begin(const std::vector<std::string>& parts, const std::string& display) {
    if (Failed()) return -1;
    if (handle_ != -1) Abandon(handle_);  // the reader never leaves one open; be safe
    if (keepExisting_ && !toStdout_) {
        // Decided now, because the reader needs the answer at once: the file
        // exists if it is on disk already or an earlier entry of this run
        // creates it (the output thread may not have got that far).
        std::string key = JoinedPath(parts);
        if (created_.count(key) || ExistsBelow(rootFd_, parts)) return 0;
        created_.insert(key);
    }
    pending_ = Op();
    pending_.open = true;
    pending_.parts = parts;
    pending_.display = display;
    serial_ = (serial_ + 1) & 0xFFFFFF;
    handle_ = kHandleBase + int(serial_);
    return handle_;
}

bool OutputPipeline::Write(int handle, const void* data, uint32_t count) {
    if (Failed() || handle != handle_ || pending_.overLimit) return false;
    if (gLimited.load(std::memory_order_relaxed)) {
        uint64_t left = gOutputLeft.load(std::memory_order_relaxed);
        do {
            if (count > left) {
                // Nothing of this write is queued; the output thread fails
                // the file (and removes it) when it gets here.
                pending_.overLimit = true;
                return false;
            }
        } while (!gOutputLeft.compare_exchange_weak(left, left - count, std::memory_order_relaxed));
    }
    const uint8_t* p = static_cast<const uint8_t*>(data);
    if (current_ >= 0 && count <= kChunkSize) {
        const uintptr_t chunk = uintptr_t(ChunkData(current_)), at = uintptr_t(p);
        if (at >= chunk && at - chunk <= kChunkSize - count) {
            TakeInPlace(size_t(at - chunk), count);
            return !Failed();
        }
    }
    if (count >= kDirectFrom && threaded_ && WriteDirect(p, count)) return !Failed();
    while (count > 0) {
        if (current_ < 0 || used_ == kChunkSize) NextChunk();
        if (pending_.length == 0) {
            pending_.chunk = current_;
            pending_.offset = uint32_t(used_);
        }
        size_t take = std::min<size_t>(count, kChunkSize - used_);
        memcpy(ChunkData(current_) + used_, p, take);
        used_ += take;
        pending_.length += uint32_t(take);
        p += take;
        count -= uint32_t(take);
    }
    return !Failed();
}

// The reader's blocks are decoded into the current chunk, at the first byte
// not yet queued. Bytes below it stay as they are until the chunk is let go
// of, and the reader writes from no block but the last, so a write from
// anywhere in the chunk can be queued where it lies.
uint8_t* OutputPipeline::BlockBuffer(uint32_t size) {
    if (Failed() || size > kChunkSize) return nullptr;
    if (current_ < 0 || kChunkSize - used_ < size) NextChunk();
    return ChunkData(current_) + used_;
}

void OutputPipeline::TakeInPlace(size_t at, uint32_t count) {
    // One operation names one run of bytes: a piece of the file that does
    // not follow the last starts another.
    if (pending_.length > 0 && pending_.offset + pending_.length != at) Push();
    if (pending_.length == 0) {
        pending_.chunk = current_;
        pending_.offset = uint32_t(at);
    }
    pending_.length += count;
    used_ = std::max(used_, at + count);
}

// Writes on the decoding thread when the output thread waits with nothing
// queued: every step queued before is done then, and none can start until
// the decoding thread queues the next, so the steps stay in order and the
// output thread's state (the file being written) passes between the threads
// through the mutex. False (nothing done) when the output thread is busy.
bool OutputPipeline::WriteDirect(const uint8_t* p, uint32_t count) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!queue_.empty() || !consumerWaiting_) return false;
    }
    if (pending_.open || pending_.length > 0) {
        // The file's creation and what of it waits in the current chunk.
        Op op = std::move(pending_);
        pending_ = Op();
        Do(op);
    }
    if (fd_ >= 0) WriteData(p, count);
    return true;
}

bool OutputPipeline::End(int handle, uint16_t date, uint16_t time, uint16_t attributes) {
    if (handle != handle_) return false;
    pending_.end = true;
    pending_.date = date;
    pending_.time = time;
    pending_.attributes = attributes;
    Push();
    handle_ = -1;
    return !Failed();
}

void OutputPipeline::Abandon(int handle) {
    if (handle != handle_) return;
    pending_.abandon = true;
    Push();
    handle_ = -1;
}

// The current chunk is full (or there is none): queue the piece of the file
// in it, let go of it and take a free one, waiting for the output thread
// when all are in use.
void OutputPipeline::NextChunk() {
    if (pending_.length > 0) Push();
    std::unique_lock<std::mutex> lock(mutex_);
    if (current_ >= 0) Release(current_);
    while (free_.empty() && allocated_ == chunkLimit_) {
        WakeConsumer(lock, true);
        producerWaits_ = kForChunk;
        room_.wait(lock);
        producerWaits_ = kNotWaiting;
    }
    if (!free_.empty()) {
        current_ = free_.back();
        free_.pop_back();
    } else {
        current_ = allocated_++;
        if (!region_) chunks_[current_].reset(new uint8_t[kChunkSize]);
    }
    refs_[current_] = 1;
    used_ = 0;
}

void OutputPipeline::Release(int chunk) {
    if (--refs_[chunk] == 0) free_.push_back(chunk);
}

void OutputPipeline::WakeConsumer(std::unique_lock<std::mutex>&, bool always) {
    if (consumerWaiting_ && (always || queuedBytes_ >= kWakeBytes || queue_.size() >= kWakeOps))
        work_.notify_one();
}

void OutputPipeline::Push() {
    Op op = std::move(pending_);
    pending_ = Op();
    if (!threaded_) {
        Do(op);
        return;
    }
    std::unique_lock<std::mutex> lock(mutex_);
    while (queue_.size() >= kMaxOps) {
        WakeConsumer(lock, true);
        producerWaits_ = kForQueue;
        room_.wait(lock);
        producerWaits_ = kNotWaiting;
    }
    if (op.length > 0) ++refs_[op.chunk];
    queuedBytes_ += op.length;
    queue_.push_back(std::move(op));
    WakeConsumer(lock, false);
}

void OutputPipeline::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        while (queue_.empty() && !stopping_) {
            consumerWaiting_ = true;
            work_.wait(lock);
            consumerWaiting_ = false;
        }
        if (queue_.empty()) break;
        Op op = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        Do(op);
        lock.lock();
        queuedBytes_ -= op.length;
        if (op.length > 0) Release(op.chunk);
        // Wake the decoding thread once a quarter of the chunks is free
        // again (or everything is done), not for every chunk.
        bool room = producerWaits_ == kForChunk
                        ? free_.size() >= size_t((chunkLimit_ + 3) / 4) || queue_.empty()
                        : producerWaits_ == kForQueue && queue_.size() <= kMaxOps / 2;
        if (room)
            room_.notify_one();
    }
    lock.unlock();
    CloseCurrent();
}

void OutputPipeline::SetFailure(const std::string& reason) {
    if (!Failed()) {
        failedFile_ = name_;
        failedReason_ = reason;
        failed_.store(true, std::memory_order_release);
    }
    CloseCurrent();
}

void OutputPipeline::FailFile(const std::string& reason, int error) {
    bool wholeRun = error == ENOSPC || error == EDQUOT || error == EROFS || error == EIO ||
                    error == EMFILE || error == ENFILE || error == ENOMEM;
    if (!continueAfterFileFailures_ || wholeRun || Failed()) return SetFailure(reason);
    fileFailures_.push_back({name_, reason});
    CloseCurrent();  // the rest of its data is dropped
}

// Lets go of the current file; one that was not completed is removed.
void OutputPipeline::CloseCurrent() {
    DropPending(&file_);
    fd_ = -1;
}

void OutputPipeline::Do(const Op& op) {
    if (op.open) {
        CloseCurrent();
        name_ = op.display;
        if (Failed()) {
            // Everything after a failure is discarded.
        } else if (toStdout_) {
            fd_ = STDOUT_FILENO;
        } else {
            bool skipped = false;
            std::string why;
            fd_ = OpenOutputBelow(rootFd_, op.parts, keepExisting_, &skipped, &why, &file_);
            // A file kept with -n that appeared meanwhile: its data is dropped.
            if (fd_ < 0 && !skipped) FailFile(why, errno);
        }
    }
    if (op.length > 0 && fd_ >= 0) WriteData(ChunkData(op.chunk) + op.offset, op.length);
    if (op.overLimit && !Failed())
        SetFailure("output exceeds the --max-output limit of " + std::to_string(gOutputLimit) +
                   " bytes");
    if (op.end && fd_ >= 0 && !toStdout_) {
        SetTimeAndMode(fd_, op.date, op.time, op.attributes);
        fd_ = -1;
        bool skipped = false;
        std::string why;
        if (!CommitPending(&file_, keepExisting_, &skipped, &why)) FailFile(why, errno);
    }
    if (op.end || op.abandon) CloseCurrent();
}

void OutputPipeline::WriteData(const uint8_t* p, size_t n) {
    if (!WriteAll(fd_, p, n))
        SetFailure(std::string(toStdout_ ? "cannot write output: " : "cannot write file: ") +
                   strerror(errno));
}

bool OutputPipeline::Finish() {
    if (finished_) return !Failed();
    if (handle_ != -1) Abandon(handle_);
    if (threaded_) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
            work_.notify_one();
        }
        thread_.join();
    } else {
        CloseCurrent();
    }
    finished_ = true;
    return !Failed();
}

}  // namespace cabx
