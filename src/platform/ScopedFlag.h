#pragma once
// Sets a flag for the guard's lifetime and puts back what it was, also when the guarded code
// raises: a flag that says "this is under way" can then never stay set by mistake.
namespace tv {

class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = old_; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& flag_;
    bool old_;
};

}  // namespace tv
