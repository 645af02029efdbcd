// The event side of a form or a control, as hosts connect to it: a connection-point
// container with one connection point, for the object's default source interface. Hosts
// advise their sinks there (Windows Script Host's ConnectObject, PowerShell's
// Register-ObjectEvent, VBA's WithEvents, Python's WithEvents); the library then calls each
// sink's IDispatch::Invoke by the event's dispatch id.
//
// Both are parts of their object: they count their references with it, so a host that
// holds the point or the container holds the object.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <vector>

#include "core/unique.h"

namespace mv {

class ConnectionPoint final : public IConnectionPoint {
public:
    ConnectionPoint(IConnectionPointContainer& container, const IID& events)
        : container_(container), events_(events) {}
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return container_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return container_.Release(); }

    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* out) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) override;
    // Any number of sinks; each answers the source interface or at least IDispatch.
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override;

    const IID& events() const { return events_; }  // the source interface
    bool connected() const { return !sinks_.empty(); }
    // Calls each sink connected now, in the order they were advised, with the event's id
    // and its argument (none when null). A sink unadvised by an earlier one is not called;
    // what a sink answers or raises is not the library's concern and stops nothing.
    void fire(DISPID id, IDispatch* arg);
    // Lets every sink go: the object's events have ended.
    void disconnectAll();

private:
    struct Sink {
        DWORD cookie;
        ComPtr<IDispatch> sink;
    };

    std::vector<Sink>::iterator find(DWORD cookie);

    IConnectionPointContainer& container_;
    const IID events_;
    std::vector<Sink> sinks_;
    DWORD nextCookie_ = 1;
};

class EventSource final : public IConnectionPointContainer {
public:
    // `owner` is the object whose events these are, `events` its source interface.
    EventSource(IUnknown& owner, const IID& events) : owner_(owner), point_(*this, events) {}
    EventSource(const EventSource&) = delete;
    EventSource& operator=(const EventSource&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override { return owner_.QueryInterface(iid, out); }
    ULONG STDMETHODCALLTYPE AddRef() override { return owner_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return owner_.Release(); }

    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

    ConnectionPoint& point() { return point_; }

private:
    IUnknown& owner_;
    ConnectionPoint point_;
};

}  // namespace mv
