#pragma once

#include <atomic>

/// An integer flag that the user-interface thread and a worker read and write without a lock.
/// It copies like a plain int, so the record holding it stays copyable.
class SharedFlag {
  public:
    SharedFlag() = default;
    explicit SharedFlag(int value) : value_(value) {}
    SharedFlag(const SharedFlag& other) : value_(other.value_.load()) {}
    SharedFlag& operator=(const SharedFlag& other) {
        value_.store(other.value_.load());
        return *this;
    }
    SharedFlag& operator=(int value) {
        value_.store(value);
        return *this;
    }
    operator int() const { return value_.load(); }

  private:
    std::atomic<int> value_{0};
};
