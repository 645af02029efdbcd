// Connection points of forms and controls.
#include "com/connection_point.h"

#include <algorithm>

#include "com/query.h"
#include "com/snapshot_enum.h"
#include "core/hresult.h"

namespace mv {

HRESULT ConnectionPoint::QueryInterface(REFIID iid, void** out) {
    return QueryFor(static_cast<IConnectionPoint*>(this), iid, {&IID_IUnknown, &IID_IConnectionPoint}, out);
}

std::vector<ConnectionPoint::Sink>::iterator ConnectionPoint::find(DWORD cookie) {
    return std::find_if(sinks_.begin(), sinks_.end(), [cookie](const Sink& s) { return s.cookie == cookie; });
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* out) {
    if (!out) RETURN_HR(E_POINTER);
    *out = events_;
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
    if (!out) RETURN_HR(E_POINTER);
    *out = &container_;
    container_.AddRef();
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (cookie) *cookie = 0;
    if (!sink || !cookie) RETURN_HR(E_POINTER);
    ComPtr<IDispatch> events;
    if (FAILED(sink->QueryInterface(events_, reinterpret_cast<void**>(events.put()))) &&
        FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(events.put()))))
        RETURN_HR(CONNECT_E_CANNOTCONNECT);
    if (nextCookie_ == 0) RETURN_HR(CONNECT_E_ADVISELIMIT);  // every cookie has been handed out
    try {
        sinks_.push_back({nextCookie_, std::move(events)});
        *cookie = nextCookie_++;
        return S_OK;
    }
    CATCH_RETURN()
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
    auto it = find(cookie);
    if (it == sinks_.end()) RETURN_HR(CONNECT_E_NOCONNECTION);
    ComPtr<IDispatch> gone = std::move(it->sink);  // released once the list is whole again
    sinks_.erase(it);
    return S_OK;
}

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** out) {
    if (!out) RETURN_HR(E_POINTER);
    *out = nullptr;
    try {
        std::vector<CONNECTDATA> all;
        for (const Sink& s : sinks_) all.push_back({s.sink.get(), s.cookie});
        *out = ConnectionsEnum::Create(std::move(all));
        return S_OK;
    }
    CATCH_RETURN()
}

void ConnectionPoint::fire(DISPID id, IDispatch* arg) {
    ComPtr<IConnectionPointContainer> keep(&container_);  // a sink may let go of the object
    std::vector<DWORD> cookies;
    for (const Sink& s : sinks_) cookies.push_back(s.cookie);
    for (DWORD cookie : cookies) {
        auto it = find(cookie);
        if (it == sinks_.end()) continue;  // unadvised meanwhile
        ComPtr<IDispatch> sink = it->sink;
        VARIANT value;
        VariantInit(&value);
        V_VT(&value) = VT_DISPATCH;
        V_DISPATCH(&value) = arg;
        DISPPARAMS params{arg ? &value : nullptr, nullptr, arg ? 1u : 0u, 0};
        Variant result;
        ExcepInfo error;
        UINT argError = 0;
        sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result.get(), error.put(), &argError);
    }
}

void ConnectionPoint::disconnectAll() {
    std::vector<Sink> gone;
    gone.swap(sinks_);  // a sink's release may call back: the list is already empty
}

HRESULT EventSource::EnumConnectionPoints(IEnumConnectionPoints** out) {
    if (!out) RETURN_HR(E_POINTER);
    *out = nullptr;
    try {
        *out = ConnectionPointsEnum::Create({&point_});
        return S_OK;
    }
    CATCH_RETURN()
}

HRESULT EventSource::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
    if (!out) RETURN_HR(E_POINTER);
    *out = nullptr;
    if (!IsEqualIID(iid, point_.events())) return CONNECT_E_NOCONNECTION;
    *out = &point_;
    point_.AddRef();
    return S_OK;
}

}  // namespace mv
