#include "tutor/users/tests/wav_test_files.h"

std::string Le16Bytes(std::uint16_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

std::string Le32Bytes(std::uint32_t value) {
    return Le16Bytes(static_cast<std::uint16_t>(value & 0xFFFF)) +
           Le16Bytes(static_cast<std::uint16_t>(value >> 16));
}

std::string Chunk(const std::string& id, const std::string& body) {
    std::string chunk = id + Le32Bytes(static_cast<std::uint32_t>(body.size())) + body;
    if (body.size() % 2 == 1) {
        chunk += '\0';
    }
    return chunk;
}

std::string Pcm16(const std::vector<std::int16_t>& samples) {
    std::string bytes;
    for (std::int16_t sample : samples) {
        bytes += Le16Bytes(static_cast<std::uint16_t>(sample));
    }
    return bytes;
}

std::string MakeWav(const WavSpec& spec) {
    const std::uint16_t blockAlign =
        spec.blockAlign.value_or(static_cast<std::uint16_t>(spec.channels * spec.bits / 8));
    const std::uint32_t byteRate = spec.byteRate.value_or(spec.rate * blockAlign);
    std::string fmtBody = Le16Bytes(spec.formatTag) + Le16Bytes(spec.channels) +
                          Le32Bytes(spec.rate) + Le32Bytes(byteRate) + Le16Bytes(blockAlign) +
                          Le16Bytes(spec.bits);
    fmtBody.resize(spec.fmtBodySize, '\0');
    fmtBody += spec.fmtExtra;
    const std::string fmt = Chunk("fmt ", fmtBody);
    std::string data =
        "data" + Le32Bytes(spec.dataSize.value_or(static_cast<std::uint32_t>(spec.data.size()))) +
        spec.data;
    if (spec.data.size() % 2 == 1) {
        data += '\0';
    }
    std::string body = "WAVE" + spec.chunksBeforeFmt;
    if (spec.dataBeforeFmt) {
        body += (spec.omitData ? "" : data) + spec.chunksBeforeData + (spec.omitFmt ? "" : fmt);
    } else {
        body += (spec.omitFmt ? "" : fmt) + spec.chunksBeforeData + (spec.omitData ? "" : data);
    }
    body += spec.chunksAfterData;
    return "RIFF" + Le32Bytes(spec.riffSize.value_or(static_cast<std::uint32_t>(body.size()))) +
           body + spec.trailing;
}
