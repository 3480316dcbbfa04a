#pragma once
// The one place that holds the process-wide instance of each service: the platform
// services, the registry, the running application, the drawing layer's colours
// and bitmaps. Programs use the default (Windows or host) implementation, or
// install one for their lifetime; tests swap one in for a scope with ScopedService.

namespace vx::platform {

// Defined once per service that has a default, by the Windows or the host
// implementation file. Services without one (the running application) leave it out.
template <class Service>
Service& DefaultService();

template <class Service>
class CurrentService {
public:
    // The instance swapped in, else the default.
    static Service& Get() { return Slot() ? *Slot() : DefaultService<Service>(); }
    // The instance swapped in, or nullptr.
    static Service* Installed() { return Slot(); }

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

// Installs a service for the scope's lifetime; scopes nest.
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
