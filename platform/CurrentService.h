#pragma once
// The one place that holds the process-wide implementation of each platform service.
// Programs use the default (Windows or host) implementation; tests swap one in
// for a scope with ScopedService.

namespace vx::platform {

// Defined once per service by the Windows or the host implementation file.
template <class Service>
Service& DefaultService();

template <class Service>
class CurrentService {
public:
    static Service& Get() { return Slot() ? *Slot() : DefaultService<Service>(); }

    // Returns the previous override (nullptr when the default was in use).
    static Service* Replace(Service* service)
    {
        Service* previous = Slot();
        Slot() = service;
        return previous;
    }

private:
    static Service*& Slot()
    {
        static Service* current = nullptr;
        return current;
    }
};

template <class Service>
class ScopedService {
public:
    explicit ScopedService(Service& service) : previous_(CurrentService<Service>::Replace(&service)) {}
    ~ScopedService() { CurrentService<Service>::Replace(previous_); }
    ScopedService(const ScopedService&) = delete;
    ScopedService& operator=(const ScopedService&) = delete;

private:
    Service* previous_ = nullptr;
};

}  // namespace vx::platform
