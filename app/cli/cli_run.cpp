#include "cli/cli_run.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "analysis/program_version.h"
#include "cli/cli_design.h"
#include "cli/cli_designs.h"
#include "cli/cli_progress.h"
#include "cli/cli_report.h"
#include "cli/cli_solve.h"

namespace tavrel::cli {

namespace {

// Designs computed and formatted together: large enough that handing chunks
// between threads costs nothing measurable, small enough that a few in flight
// per core keep memory flat. A chunk also ends once its copied columns reach
// kChunkCopiedBytes, and chunks wait to be read while those in flight hold
// kCopiedBytesInFlight: every copied byte is written once per bar, so memory
// stays bounded whatever the lines hold.
constexpr size_t kChunkDesigns = 256;
constexpr size_t kChunksInFlightPerJob = 4;
// Designs in flight over all jobs, so that many jobs mean smaller chunks rather
// than more memory.
constexpr size_t kDesignsInFlight = 8192;
constexpr size_t kChunkCopiedBytes = 64 * 1024;
constexpr size_t kCopiedBytesInFlight = 2 * 1024 * 1024;
// A written chunk keeps buffers up to this size for the next one; larger ones
// (after unusually long lines) are given back.
constexpr size_t kKeptTextBytes = 1024 * 1024;

size_t copiedBytes(const Design& design) {
    size_t bytes = 0;
    for (const std::string& column : design.columns) bytes += column.size();
    return bytes;
}

struct Chunk {
    std::vector<Design> designs;
    long firstIndex = 0;  // in the whole run
    size_t copiedBytes = 0;
    std::string text;
    bool done = false;
};

// One core's share: its own analysis (which owns the engine's records) and its
// own writer into its own buffer.
class Worker {
  public:
    Worker(const ReportSettings& settings, CalclteFunction calclte)
        : calclte_(calclte), out_(buffer_), writer_(makeReportWriter(settings, out_)) {}

    void compute(Chunk& chunk) {
        for (size_t d = 0; d < chunk.designs.size(); ++d) {
            const AnalysisRun run = analysis_.run(chunk.designs[d].values, calclte_);
            // Every value was checked against the same limits, so every design runs.
            if (run.outcome == AnalysisRun::Complete)
                writer_->design(chunk.designs[d], run,
                                chunk.firstIndex + static_cast<long>(d) == 0);
        }
        out_.flush();
        chunk.text.swap(buffer_);
        buffer_.clear();
    }
    long engineCalls() const { return analysis_.engineCalls(); }

  private:
    CalclteFunction calclte_;
    DesignAnalysis analysis_;
    std::string buffer_;
    Output out_;
    std::unique_ptr<ReportWriter> writer_;
};

// Chunks computed by `jobs` threads and written in the order they were read,
// by this thread alone, so the bytes are those of a single job.
class Pipeline {
  public:
    Pipeline(int jobs, const ReportSettings& settings, CalclteFunction calclte) {
        for (int j = 0; j < jobs; ++j)
            workers_.push_back(std::make_unique<Worker>(settings, calclte));
        for (auto& worker : workers_) threads_.emplace_back([this, w = worker.get()] { work(*w); });
        limit_ = kChunksInFlightPerJob * static_cast<size_t>(jobs);
        chunkDesigns_ = std::clamp<size_t>(kDesignsInFlight / limit_, 8, kChunkDesigns);
    }
    ~Pipeline() { stop(); }
    Pipeline(const Pipeline&) = delete;
    Pipeline& operator=(const Pipeline&) = delete;

    // Queues `chunk`; first writes finished chunks while too many are in flight.
    void add(std::unique_ptr<Chunk> chunk, Output& out) {
        std::unique_lock lock(mutex_);
        while (!inOrder_.empty() && !out.failed() &&
               (inOrder_.size() >= limit_ ||
                copiedInFlight_ + chunk->copiedBytes > kCopiedBytesInFlight)) {
            writeFront(lock, out);
        }
        if (out.failed()) return;
        copiedInFlight_ += chunk->copiedBytes;
        waiting_.push_back(chunk.get());
        inOrder_.push_back(std::move(chunk));
        workAvailable_.notify_one();
    }
    // A chunk to fill: one already written when there is one, so that its
    // buffers, grown to size, are used again rather than allocated anew.
    std::unique_ptr<Chunk> freeChunk() {
        std::lock_guard lock(mutex_);
        if (free_.empty()) return std::make_unique<Chunk>();
        std::unique_ptr<Chunk> chunk = std::move(free_.back());
        free_.pop_back();
        chunk->done = false;
        chunk->text.clear();
        if (chunk->text.capacity() > kKeptTextBytes) std::string().swap(chunk->text);
        if (chunk->copiedBytes > kChunkCopiedBytes) chunk->designs = {};
        chunk->copiedBytes = 0;
        return chunk;
    }
    // Designs a chunk holds at most.
    size_t chunkDesigns() const { return chunkDesigns_; }
    // Writes everything still in flight, in order, until a write fails.
    void drain(Output& out) {
        std::unique_lock lock(mutex_);
        while (!inOrder_.empty() && !out.failed()) writeFront(lock, out);
    }
    // Ends the threads; chunks not yet taken are dropped.
    long stop() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
            waiting_.clear();
        }
        workAvailable_.notify_all();
        for (std::thread& t : threads_) t.join();
        threads_.clear();
        long calls = 0;
        for (const auto& worker : workers_) calls += worker->engineCalls();
        return calls;
    }

  private:
    void writeFront(std::unique_lock<std::mutex>& lock, Output& out) {
        chunkDone_.wait(lock, [this] { return inOrder_.front()->done; });
        std::unique_ptr<Chunk> chunk = std::move(inOrder_.front());
        inOrder_.pop_front();
        copiedInFlight_ -= chunk->copiedBytes;
        lock.unlock();
        out.write(chunk->text);
        out.flush();  // a failed write is seen here, before more is computed
        lock.lock();
        free_.push_back(std::move(chunk));
    }

    void work(Worker& worker) {
        std::unique_lock lock(mutex_);
        for (;;) {
            workAvailable_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
            if (waiting_.empty()) return;
            Chunk* chunk = waiting_.front();
            waiting_.pop_front();
            lock.unlock();
            worker.compute(*chunk);
            lock.lock();
            chunk->done = true;
            chunkDone_.notify_all();
        }
    }

    std::vector<std::unique_ptr<Worker>> workers_;
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable workAvailable_;
    std::condition_variable chunkDone_;
    std::deque<std::unique_ptr<Chunk>> inOrder_;  // read, not yet written
    std::deque<Chunk*> waiting_;                  // read, not yet taken by a worker
    std::vector<std::unique_ptr<Chunk>> free_;    // written, ready to be filled again
    size_t limit_ = 0;
    size_t chunkDesigns_ = kChunkDesigns;
    size_t copiedInFlight_ = 0;
    bool stopping_ = false;
};

}  // namespace

int defaultJobs() {
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : static_cast<int>(std::min<unsigned>(cores, kMaxJobs));
}

StudyOutcome runStudy(const Options& options, CalclteFunction calclte, Output& out,
                      std::FILE* input, std::FILE* terminal) {
    StudyOutcome outcome;
    std::string error;
    const std::unique_ptr<DesignSource> source = openDesigns(options, input, error);
    if (!source) {
        outcome.status = kExitBadInput;
        outcome.error = error;
        return outcome;
    }
    const ReportSettings settings{options.format, options.allFields, options.units,
                                  source->columnNames(), options.check.has_value()};
    const std::unique_ptr<ReportWriter> writer = makeReportWriter(settings, out);
    if (options.shard.index == 1) writer->begin();

    // More threads than cores only take turns, each with its chunks in flight.
    const int jobs = std::min(options.jobs > 0 ? options.jobs : defaultJobs(), defaultJobs());
    long index = source->designsBefore();
    Progress progress(options.quiet ? nullptr : terminal, source->designsInPart());
    if (jobs == 1) {
        DesignAnalysis analysis;
        Design design;
        while (!out.failed() && source->next(design)) {
            const AnalysisRun run = analysis.run(design.values, calclte);
            if (run.outcome == AnalysisRun::Complete) writer->design(design, run, index == 0);
            ++index;
            progress.update(index - source->designsBefore());
        }
        outcome.engineCalls = analysis.engineCalls();
    } else {
        Pipeline pipeline(jobs, settings, calclte);
        bool more = true;
        while (more && !out.failed()) {
            std::unique_ptr<Chunk> chunk = pipeline.freeChunk();
            chunk->firstIndex = index;
            const size_t most = pipeline.chunkDesigns();
            chunk->designs.resize(most);
            size_t filled = 0;
            while (filled < most && chunk->copiedBytes < kChunkCopiedBytes &&
                   (more = source->next(chunk->designs[filled]))) {
                chunk->copiedBytes += copiedBytes(chunk->designs[filled]);
                ++filled;
            }
            chunk->designs.resize(filled);
            index += static_cast<long>(filled);
            if (filled > 0) pipeline.add(std::move(chunk), out);
            progress.update(index - source->designsBefore());
        }
        pipeline.drain(out);
        outcome.engineCalls = pipeline.stop();
    }

    if (!out.failed() && !source->error().empty()) {
        // The rows before the bad design are whole and written; nothing after it.
        outcome.status = kExitBadInput;
        outcome.error = source->error();
        return outcome;
    }
    if (!out.failed() && options.shard.index == options.shard.count) writer->end(index > 0);
    return outcome;
}

int runCli(const std::vector<std::string_view>& args, Output& out, std::string& error,
           const EngineBinder& engine, std::FILE* input, std::FILE* terminal) {
    const ParsedArguments parsed = parseArguments(args);
    if (!parsed.options) {
        error = "tavrel-cli: " + parsed.error + "\n";
        return kExitBadInput;
    }
    const Options& options = *parsed.options;
    if (options.solve || !options.report.empty()) {
        const int status = runSolveOrReport(options, out, error, engine);
        if (!out.finish()) {
            error = "tavrel-cli: " + out.failure() + "\n";
            return kExitWriteFailed;
        }
        return status;
    }
    if (!options.saveDesign.empty() && !options.help && !options.version)
        return saveDesignOption(options, error);
    StudyOutcome outcome;
    if (options.help) {
        out.write(helpText(options.units) + solveAndReportHelp());
    } else if (options.version) {
        out.write("tavrel-cli " + programVersion() + "\n");
    } else if (options.comparison) {
        writeComparisonCsv(out);
    } else {
        std::string problem;
        const CalclteFunction calclte = engine(problem);
        if (calclte == nullptr) {
            error = "tavrel-cli: " + problem + "\n";
            return kExitEngineMissing;
        }
        outcome = runStudy(options, calclte, out, input, terminal);
    }
    // Whatever was written, the rows before a bad design included, must reach
    // the file; output that did not is the first thing to report.
    if (!out.finish()) {
        error = "tavrel-cli: " + out.failure() + "\n";
        return kExitWriteFailed;
    }
    if (outcome.status != kExitOk) error = "tavrel-cli: " + outcome.error + "\n";
    return outcome.status;
}

}  // namespace tavrel::cli
