// Packing and unpacking a mebibyte of lesson-like lines with the line container, beside zlib's
// compress2 and uncompress at the default level on the same bytes.

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "common/compressed_line_file.h"
#include "common/line_container/line_block_codec.h"

namespace {

constexpr std::size_t kTextSize = 1 << 20;

// Lines of words from a small vocabulary, up to 70 characters, as in typing lessons.
const std::vector<std::string>& LessonLines() {
    static const std::vector<std::string> lines = [] {
        static constexpr const char* kWords[] = {
            "asdf",  "jkl;",  "fjfj", "dkdk",   "sls",   "a;a;",    "the",    "and",
            "for",   "with",  "that", "this",   "from",  "have",    "were",   "what",
            "when",  "your",  "said", "there",  "each",  "which",   "their",  "about",
            "would", "make",  "like", "time",   "look",  "write",   "number", "people",
            "water", "first", "call", "find",   "long",  "down",    "day",    "did",
            "get",   "come",  "made", "may",    "part",  "Kelvane", "typing", "finger",
            "home",  "row",   "keys", "lesson", "speed", "error."};
        std::mt19937 random(2024);
        std::vector<std::string> result;
        std::size_t total = 0;
        while (total < kTextSize) {
            const std::size_t limit = 20 + random() % 51;
            std::string line;
            for (;;) {
                const std::string word = kWords[random() % std::size(kWords)];
                if (line.size() + word.size() + (line.empty() ? 0 : 1) > limit) {
                    break;
                }
                if (!line.empty()) {
                    line += ' ';
                }
                line += word;
            }
            total += line.size() + 2;
            result.push_back(std::move(line));
        }
        return result;
    }();
    return lines;
}

const std::string& Stream() {
    static const std::string stream = [] {
        std::string s;
        for (const std::string& line : LessonLines()) {
            s += line;
            s += "\r\n";
        }
        return s;
    }();
    return stream;
}

const std::string& Packed() {
    static const std::string packed = CompressedLineFile::Encode(LessonLines());
    return packed;
}

std::string ZlibPacked() {
    uLongf size = compressBound(Stream().size());
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size,
              reinterpret_cast<const Bytef*>(Stream().data()), Stream().size(),
              Z_DEFAULT_COMPRESSION);
    out.resize(size);
    return out;
}

void ReportSizes(benchmark::State& state, std::size_t packedSize) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Stream().size()));
    state.counters["raw_bytes"] = static_cast<double>(Stream().size());
    state.counters["packed_bytes"] = static_cast<double>(packedSize);
    state.counters["ratio_pct"] = 100.0 * static_cast<double>(packedSize) / Stream().size();
}

void BM_LineFilePack(benchmark::State& state) {
    const std::vector<std::string>& lines = LessonLines();
    std::size_t size = 0;
    for (auto _ : state) {
        std::string packed = CompressedLineFile::Encode(lines);
        size = packed.size();
        benchmark::DoNotOptimize(packed);
    }
    ReportSizes(state, size);
}
BENCHMARK(BM_LineFilePack)->Unit(benchmark::kMillisecond);

// Unpacking into lines, as the programs read their files.
void BM_LineFileUnpack(benchmark::State& state) {
    const std::string& packed = Packed();
    std::vector<std::string> lines;
    for (auto _ : state) {
        lines.clear();
        CompressedLineFile::Decode(packed, "bench", lines);
        benchmark::DoNotOptimize(lines.data());
    }
    if (lines != LessonLines()) {
        state.SkipWithError("lines differ");
    }
    ReportSizes(state, packed.size());
}
BENCHMARK(BM_LineFileUnpack)->Unit(benchmark::kMillisecond);

// Unpacking the blocks into one byte stream, without cutting lines: the same work as
// zlib's uncompress. Two blocks at a time, as the reader does.
void BM_LineFileUnpackBytes(benchmark::State& state) {
    const std::string& packed = Packed();
    std::string out(Stream().size(), '\0');
    for (auto _ : state) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(packed.data());
        const auto* end = p + packed.size();
        auto* o = reinterpret_cast<std::uint8_t*>(out.data());
        auto next = [&] {
            LineBlockCodec::Job job;
            job.rawLength = LineBlockCodec::ReadLength(p);
            job.size = LineBlockCodec::ReadLength(p + 4);
            job.data = p + 8;
            job.out = o;
            p += 8 + job.size;
            o += job.rawLength;
            return job;
        };
        bool ok = true;
        while (ok && p < end) {
            const LineBlockCodec::Job first = next();
            if (p < end) {
                const LineBlockCodec::Job second = next();
                bool firstOk = false;
                bool secondOk = false;
                LineBlockCodec::DecodeBlocks(first, second, firstOk, secondOk);
                ok = firstOk && secondOk;
            } else {
                ok =
                    LineBlockCodec::DecodeBlock(first.data, first.size, first.out, first.rawLength);
            }
        }
        if (!ok) {
            state.SkipWithError("decode failed");
            return;
        }
        benchmark::DoNotOptimize(out.data());
    }
    if (out != Stream()) {
        state.SkipWithError("bytes differ");
    }
    ReportSizes(state, packed.size());
}
BENCHMARK(BM_LineFileUnpackBytes)->Unit(benchmark::kMillisecond);

void BM_ZlibCompress(benchmark::State& state) {
    std::size_t size = 0;
    for (auto _ : state) {
        std::string packed = ZlibPacked();
        size = packed.size();
        benchmark::DoNotOptimize(packed);
    }
    ReportSizes(state, size);
}
BENCHMARK(BM_ZlibCompress)->Unit(benchmark::kMillisecond);

void BM_ZlibUncompress(benchmark::State& state) {
    const std::string packed = ZlibPacked();
    std::string out(Stream().size(), '\0');
    for (auto _ : state) {
        uLongf size = out.size();
        uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
                   reinterpret_cast<const Bytef*>(packed.data()), packed.size());
        benchmark::DoNotOptimize(out.data());
    }
    if (out != Stream()) {
        state.SkipWithError("bytes differ");
    }
    ReportSizes(state, packed.size());
}
BENCHMARK(BM_ZlibUncompress)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
