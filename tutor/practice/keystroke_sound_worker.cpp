#include "tutor/practice/keystroke_sound_worker.h"

KeystrokeSoundWorker::KeystrokeSoundWorker(std::function<void(bool correct)> play)
    : play_(std::move(play)), thread_([this] { Run(); }) {}

KeystrokeSoundWorker::~KeystrokeSoundWorker() {
    Stop();
}

void KeystrokeSoundWorker::RequestSound(SoundRequest request) {
    if (request_.load() == SoundRequest::Quit) {
        return;
    }
    request_.store(request);
    event_.Pulse();
}

void KeystrokeSoundWorker::Stop() {
    request_.store(SoundRequest::Quit);
    // Set, not pulse: the worker must see it even when it is busy playing right now.
    event_.Set();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void KeystrokeSoundWorker::Run() {
    for (;;) {
        event_.Wait();
        switch (request_.load()) {
            case SoundRequest::Quit:
                return;
            case SoundRequest::Correct:
                play_(true);
                break;
            case SoundRequest::Error:
                play_(false);
                break;
            case SoundRequest::None:
                break;
        }
    }
}
