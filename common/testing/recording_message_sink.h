#pragma once

#include <string>
#include <vector>

#include "common/message_sink.h"

/// Keeps every message shown, for tests to look at.
class RecordingMessageSink final : public MessageSink {
  public:
    struct Message {
        std::string caption;
        std::string text;
        Icon icon;
    };

    void ShowMessage(const std::string& caption, const std::string& text, Icon icon) override {
        messages.push_back({caption, text, icon});
    }

    std::vector<Message> messages;
};
