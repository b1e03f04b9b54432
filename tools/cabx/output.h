// The output side of extraction, on a thread of its own.
//
// The reader decodes on the calling thread and hands each decoded piece of a
// file to the write callback, reusing its buffer as soon as the callback
// returns. Creating files and writing them is mostly time spent in the
// kernel, so the callbacks only copy the data into chunks and queue them;
// an output thread creates the directories and files, writes, sets times and
// permissions and closes, in the order the reader produced them, while the
// next blocks decode.
//
// The data travels in a fixed pool of chunk buffers, allocated as the
// output thread's lag needs them and reused, so a long run neither
// allocates nor faults in fresh memory for every file. Consecutive writes
// are packed into the current chunk whatever file they belong to, and an
// operation names its piece of a chunk; a small file travels as one
// operation (create, data, finish). When every chunk is in use, or too many
// operations wait, the decoding thread waits. The output thread is woken
// in batches rather than for every operation.
//
// A large write that finds the output thread idle with nothing queued is
// written by the decoding thread itself, without the copy into a chunk:
// everything before it is done, and the output thread takes up what
// follows, so the order of the steps is the same.
//
// Each file is written unnamed (or, where the file system cannot, under a
// temporary name) in its destination directory and given its real name
// once complete; a file that is cut short (a damaged block, a full disk,
// the output limit) is dropped, so its real name never holds a partial file
// and a file it would replace is untouched.
//
// A failure on the output thread (a directory that cannot be created, a full
// disk) is recorded with the file it concerns; from then on the output thread
// only discards, and the decoding thread learns of it at its next callback
// and fails the extraction. Finish() waits for everything queued, so a run
// never ends reporting success while a file is still being written.
#ifndef STUB_TOOLS_CABX_OUTPUT_H
#define STUB_TOOLS_CABX_OUTPUT_H

#include <stddef.h>
#include <stdint.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_set>
#include <utility>
#include <vector>

#include "cabx.h"

namespace cabx {

class OutputPipeline {
public:
    static constexpr size_t kChunkSize = size_t(512) << 10;
    // 4 MiB of data in flight at most: enough to keep both threads busy;
    // every chunk more is memory the kernel must zero when first touched.
    static constexpr int kChunks = 8;
    static constexpr size_t kMaxOps = 4096;   // operations queued at most

    // Files are created below the directory rootFd (not owned), or, with
    // toStdout, all data goes to standard output in order. keepExisting:
    // files that exist are kept (see Begin). chunks: how many chunks this
    // pipeline may use (1 to kChunks); pipelines running side by side share
    // kChunks between them, so that a run's memory does not grow with the
    // number of passes.
    OutputPipeline(int rootFd, bool toStdout, bool keepExisting, int chunks = kChunks);
    ~OutputPipeline();  // waits for the output thread
    OutputPipeline(const OutputPipeline&) = delete;
    OutputPipeline& operator=(const OutputPipeline&) = delete;

    // Handles given to the reader lie at or above this value, far from any
    // file descriptor of the cabinets.
    static constexpr int kHandleBase = 0x40000000;
    static bool IsHandle(int h) { return h >= kHandleBase; }

    // Limits the file data all pipelines of the process write together
    // (extract --max-output); the write that would pass the limit fails the
    // output instead, naming its file. Set before any pipeline is made.
    static void LimitOutput(uint64_t bytes);

    // ---- Decoding thread ----
    // A file to create at `parts` below the root (ignored for standard
    // output), named `display` in messages. Returns its handle, 0 when it
    // is kept because it exists (keepExisting), or -1 when the output has
    // already failed.
    int Begin(const std::vector<std::string>& parts, const std::string& display);
    // Room for a block of `size` bytes in the current chunk, for the reader
    // to decode or read a block into (SetBlockBuffers); null when there is
    // none to give. It stays as it is until the next call.
    uint8_t* BlockBuffer(uint32_t size);
    // Queues the bytes: a copy of them, or, when they lie in the current
    // chunk (given by BlockBuffer), the bytes where they are.
    // False once the output has failed.
    bool Write(int handle, const void* data, uint32_t count);
    // Queues "set the time and permissions from the entry, close".
    // False once the output has failed.
    bool End(int handle, uint16_t date, uint16_t time, uint16_t attributes);
    // The file will not be completed (the reader gave up on it, or another
    // extraction pass failed): remove what was written of it.
    void Abandon(int handle);
    bool Failed() const { return failed_.load(std::memory_order_acquire); }

    // Waits until everything queued is done and stops the thread. True when
    // every file was written completely. Afterwards FailedFile/FailedReason
    // name the first failure.
    bool Finish();
    const std::string& FailedFile() const { return failedFile_; }
    const std::string& FailedReason() const { return failedReason_; }

    // --keep-going: a file that cannot be placed (its name too long for the
    // file system, a file or a link where it needs a directory, a directory
    // in its place, no permission there) fails alone, and the output goes
    // on with the next file. Failures that every later file would meet (no
    // space, a read-only file system, an I/O error, the output limit) still
    // end it. Set before the first Begin; after Finish, FileFailures names
    // the files that failed alone and why.
    void ContinueAfterFileFailures() { continueAfterFileFailures_ = true; }
    const std::vector<std::pair<std::string, std::string>>& FileFailures() const {
        return fileFailures_;
    }

private:
    // One step for the output thread: any of "create", "write a piece of a
    // chunk", "fail: over the output limit", "finish", "abandon", in that
    // order.
    struct Op {
        bool open = false, end = false, abandon = false, overLimit = false;
        std::vector<std::string> parts;  // open
        std::string display;             // open
        int chunk = -1;                  // the data: length bytes at offset
        uint32_t offset = 0, length = 0;
        uint16_t date = 0, time = 0, attributes = 0;  // end
    };

    void Push();             // queues pending_ and starts a fresh one
    void NextChunk();        // decoding thread: a chunk with room
    void TakeInPlace(size_t at, uint32_t count);  // Write of bytes in the current chunk
    void WakeConsumer(std::unique_lock<std::mutex>& lock, bool always);
    void Run();              // the output thread
    void Do(const Op& op);   // performs one step (output thread, or inline)
    void WriteData(const uint8_t* p, size_t n);  // the data step of Do
    bool WriteDirect(const uint8_t* p, uint32_t count);
    void Release(int chunk); // under mutex_
    void SetFailure(const std::string& reason);
    void FailFile(const std::string& reason, int error);  // with errno of the failed call
    void CloseCurrent();

    // Fixed at construction.
    const int rootFd_;
    const bool toStdout_;
    const bool keepExisting_;
    const int chunkLimit_;

    // Decoding thread only.
    Op pending_;
    int current_ = -1;    // the chunk being filled
    size_t used_ = 0;     // bytes of it filled
    int handle_ = -1;
    uint32_t serial_ = 0;
    std::unordered_set<std::string> created_;  // paths created in this run (keepExisting)

    // The chunks: in one mapping reserved at the start and touched as the
    // chunks come into use (in huge pages where the system gives them), or
    // allocated one by one when it cannot be had. An entry of chunks_ is set
    // once, under mutex_, before any operation that names it is queued.
    uint8_t* region_ = nullptr;
    size_t regionLength_ = 0;
    std::vector<std::unique_ptr<uint8_t[]>> chunks_;
    uint8_t* ChunkData(int chunk) const {
        return region_ ? region_ + size_t(chunk) * kChunkSize : chunks_[chunk].get();
    }

    // Shared, under mutex_.
    std::mutex mutex_;
    std::condition_variable work_;  // the output thread waits for work
    std::condition_variable room_;  // the decoding thread waits for a chunk
    std::deque<Op> queue_;
    size_t queuedBytes_ = 0;
    std::vector<int> refs_;  // per chunk: queued pieces, +1 while being filled
    std::vector<int> free_;
    int allocated_ = 0;
    bool stopping_ = false;
    bool consumerWaiting_ = false;
    enum { kNotWaiting, kForChunk, kForQueue } producerWaits_ = kNotWaiting;
    std::atomic<bool> failed_{false};

    // Output thread only (read by others after Finish).
    int fd_ = -1;          // the file being written (file_.fd, or standard output)
    PendingFile file_;     // its place, and its temporary name if it has one
    std::string name_;     // its name for messages
    std::string failedFile_, failedReason_;
    bool continueAfterFileFailures_ = false;
    std::vector<std::pair<std::string, std::string>> fileFailures_;

    std::thread thread_;
    bool threaded_ = false;
    bool finished_ = false;
};

}  // namespace cabx

#endif
