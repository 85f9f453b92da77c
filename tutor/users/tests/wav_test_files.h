#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// Builds RIFF WAVE bytes field by field, so tests can write good files and damage any field.
/// Written from the file format's layout, independently of the reader.
struct WavSpec {
    std::uint16_t formatTag = 1;
    std::uint16_t channels = 1;
    std::uint32_t rate = 44100;
    std::uint16_t bits = 16;
    /// Computed from the fields above unless set.
    std::optional<std::uint16_t> blockAlign;
    std::optional<std::uint32_t> byteRate;
    /// The standard part of the fmt body, cut or padded with zeros to this size.
    std::uint32_t fmtBodySize = 16;
    /// Bytes after the standard part of the fmt body (the extensible part).
    std::string fmtExtra;
    /// The data chunk's bytes.
    std::string data;
    /// Overrides of the size fields.
    std::optional<std::uint32_t> riffSize;
    std::optional<std::uint32_t> dataSize;
    /// Chunks written before fmt, between fmt and data, and after data, already complete.
    std::string chunksBeforeFmt;
    std::string chunksBeforeData;
    std::string chunksAfterData;
    bool dataBeforeFmt = false;
    bool omitFmt = false;
    bool omitData = false;
    /// Bytes after the RIFF data.
    std::string trailing;
};

std::string Le16Bytes(std::uint16_t value);
std::string Le32Bytes(std::uint32_t value);
/// A complete chunk: id, size, body and the pad byte of an odd body.
std::string Chunk(const std::string& id, const std::string& body);
/// 16-bit little-endian samples.
std::string Pcm16(const std::vector<std::int16_t>& samples);
std::string MakeWav(const WavSpec& spec);
