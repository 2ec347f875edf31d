#pragma once
#include <cstddef>
#include <cstring>
#include <functional>
#include <new>
#include <type_traits>
#include <utility>

namespace VemoCalendar {

// A widget's event handler, used as a std::function is (set from any callable or nullptr, tested,
// called), in 24 bytes instead of 32. A callable of at most two pointers that copies as plain
// bytes, as every handler the controls set does (a lambda of `this` and an index or a name), is
// held in place; any other is kept on the heap. A calendar has some 700 handler slots.
template <class Signature>
class Handler;

template <class R, class... Args>
class Handler<R(Args...)> {
public:
    Handler() = default;
    Handler(std::nullptr_t) {}
    template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, Handler> &&
                                                std::is_invocable_r_v<R, std::decay_t<F>&, Args...>>>
    Handler(F&& callable) {
        using Stored = std::decay_t<F>;
        if constexpr (std::is_pointer_v<Stored> || std::is_member_pointer_v<Stored>)
            if (callable == nullptr) return;
        if constexpr (std::is_same_v<Stored, std::function<R(Args...)>>)
            if (!callable) return;
        if constexpr (kInPlace<Stored>) {
            ::new (static_cast<void*>(storage_)) Stored(std::forward<F>(callable));
            ops_ = &kInPlaceOps<Stored>;
        } else {
            *reinterpret_cast<Stored**>(storage_) = new Stored(std::forward<F>(callable));
            ops_ = &kOnHeapOps<Stored>;
        }
    }
    Handler(const Handler& other) : ops_(other.ops_) {
        if (ops_) ops_->copy(storage_, other.storage_);
    }
    Handler(Handler&& other) noexcept : ops_(std::exchange(other.ops_, nullptr)) {
        // Both kinds move as bytes: a callable in place copies as bytes, a heap one is a pointer.
        std::memcpy(storage_, other.storage_, sizeof storage_);
    }
    Handler& operator=(Handler other) noexcept {
        Reset();
        ops_ = std::exchange(other.ops_, nullptr);
        std::memcpy(storage_, other.storage_, sizeof storage_);
        return *this;
    }
    ~Handler() { Reset(); }

    explicit operator bool() const { return ops_ != nullptr; }
    friend bool operator==(const Handler& handler, std::nullptr_t) { return !handler; }

    R operator()(Args... args) const {
        if (!ops_) throw std::bad_function_call();
        return ops_->invoke(storage_, std::forward<Args>(args)...);
    }

private:
    struct Ops {
        R (*invoke)(unsigned char* storage, Args&&... args);
        void (*copy)(unsigned char* to, const unsigned char* from);
        void (*destroy)(unsigned char* storage);
    };

    static constexpr std::size_t kSize = 2 * sizeof(void*);
    template <class F>
    static constexpr bool kInPlace =
        sizeof(F) <= kSize && alignof(F) <= alignof(void*) && std::is_trivially_copyable_v<F>;

    // Calls the callable; for a handler returning nothing, whatever the callable returns is dropped.
    template <class F>
    static R Call(F& callable, Args&&... args) {
        if constexpr (std::is_void_v<R>) std::invoke(callable, std::forward<Args>(args)...);
        else return std::invoke(callable, std::forward<Args>(args)...);
    }

    template <class F>
    static constexpr Ops kInPlaceOps = {
        [](unsigned char* s, Args&&... args) -> R {
            return Call(*std::launder(reinterpret_cast<F*>(s)), std::forward<Args>(args)...);
        },
        [](unsigned char* to, const unsigned char* from) { std::memcpy(to, from, kSize); },
        [](unsigned char*) {},
    };
    template <class F>
    static constexpr Ops kOnHeapOps = {
        [](unsigned char* s, Args&&... args) -> R { return Call(**reinterpret_cast<F**>(s), std::forward<Args>(args)...); },
        [](unsigned char* to, const unsigned char* from) {
            *reinterpret_cast<F**>(to) = new F(**reinterpret_cast<F* const*>(from));
        },
        [](unsigned char* s) { delete *reinterpret_cast<F**>(s); },
    };

    void Reset() {
        if (ops_) ops_->destroy(storage_);
        ops_ = nullptr;
    }

    // Mutable as a std::function's target is: calling a handler may change the callable's state.
    alignas(void*) mutable unsigned char storage_[kSize] = {};
    const Ops* ops_ = nullptr;
};

}  // namespace VemoCalendar
