// Kestrin host stand-in: result buffer records, their lists and the host values they carry.
// Records and their strings are allocated with malloc so that a module may free them with free(),
// as the host's own records allow.
#include "ResbufValues.h"

#include <cstdlib>
#include <cwchar>
#include <type_traits>

namespace KestrinHost {

namespace {

bool IsValueType(int type) {
    switch (type) {
    case RTREAL:
    case RTPOINT:
    case RTSHORT:
    case RTANG:
    case RTSTR:
    case RT3DPOINT:
    case RTLONG:
        return true;
    default:
        return false;
    }
}

// Reads one value of the given type from the argument list into a new record.
sds_resbuf* ReadRecord(int type, va_list* args) {
    if (!IsValueType(type)) {
        return nullptr;
    }
    const wchar_t* text = nullptr;
    const sds_real* point = nullptr;
    sds_resbuf* record = sds_newrb(type);
    if (record == nullptr) {
        return nullptr;
    }
    switch (type) {
    case RTSTR:
        text = va_arg(*args, const wchar_t*);
        record->resval.rstring = text != nullptr ? DuplicateString(text) : nullptr;
        if (record->resval.rstring == nullptr) {
            sds_relrb(record);
            return nullptr;
        }
        break;
    case RTREAL:
    case RTANG:
        record->resval.rreal = va_arg(*args, double);
        break;
    case RTSHORT:
        record->resval.rint = static_cast<short>(va_arg(*args, int));
        break;
    case RTLONG:
        record->resval.rlong = va_arg(*args, std::int32_t);
        break;
    default: // RTPOINT, RT3DPOINT
        point = va_arg(*args, const sds_real*);
        if (point == nullptr) {
            sds_relrb(record);
            return nullptr;
        }
        for (int k = 0; k < 3; ++k) {
            record->resval.rpoint[k] = point[k];
        }
        break;
    }
    return record;
}

} // namespace

wchar_t* DuplicateString(const wchar_t* text) {
    const std::size_t length = std::wcslen(text);
    auto* copy = static_cast<wchar_t*>(std::malloc((length + 1) * sizeof(wchar_t)));
    if (copy != nullptr) {
        std::wmemcpy(copy, text, length + 1);
    }
    return copy;
}

sds_resbuf* BuildList(int firstType, va_list* args, bool* ok) {
    *ok = true;
    sds_resbuf* head = nullptr;
    sds_resbuf** tail = &head;
    for (int type = firstType; type != RTNONE; type = va_arg(*args, int)) {
        sds_resbuf* record = ReadRecord(type, args);
        if (record == nullptr) {
            // An unknown code leaves the rest of the list unreadable: stop here.
            *ok = false;
            sds_relrb(head);
            return nullptr;
        }
        *tail = record;
        tail = &record->rbnext;
    }
    return head;
}

bool ValueOf(const sds_resbuf& record, HostValue* value) {
    switch (record.restype) {
    case RTSTR:
        if (record.resval.rstring == nullptr) {
            return false;
        }
        *value = std::wstring(record.resval.rstring);
        return true;
    case RTREAL:
    case RTANG:
        *value = record.resval.rreal;
        return true;
    case RTSHORT:
        *value = record.resval.rint;
        return true;
    case RTLONG:
        *value = record.resval.rlong;
        return true;
    case RTPOINT:
    case RT3DPOINT:
        *value =
            HostPoint{record.resval.rpoint[0], record.resval.rpoint[1], record.resval.rpoint[2]};
        return true;
    default:
        return false;
    }
}

bool StoreValue(const HostValue& value, sds_resbuf* record) {
    sds_resbuf::sds_u stored{};
    if (const auto* text = std::get_if<std::wstring>(&value)) {
        stored.rstring = DuplicateString(text->c_str());
        if (stored.rstring == nullptr) {
            return false;
        }
    } else if (const auto* real = std::get_if<double>(&value)) {
        stored.rreal = *real;
    } else if (const auto* small = std::get_if<short>(&value)) {
        stored.rint = *small;
    } else if (const auto* whole = std::get_if<std::int32_t>(&value)) {
        stored.rlong = *whole;
    } else {
        const auto& point = std::get<HostPoint>(value);
        for (int k = 0; k < 3; ++k) {
            stored.rpoint[k] = point[static_cast<std::size_t>(k)];
        }
    }
    if (record->restype == RTSTR) {
        std::free(record->resval.rstring);
    }
    record->restype = static_cast<short>(ResultTypeOf(value));
    record->resval = stored;
    return true;
}

int ResultTypeOf(const HostValue& value) {
    return std::visit(
        [](const auto& v) -> int {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::wstring>) {
                return RTSTR;
            } else if constexpr (std::is_same_v<T, double>) {
                return RTREAL;
            } else if constexpr (std::is_same_v<T, short>) {
                return RTSHORT;
            } else if constexpr (std::is_same_v<T, std::int32_t>) {
                return RTLONG;
            } else {
                return RT3DPOINT;
            }
        },
        value);
}

} // namespace KestrinHost

sds_resbuf* sds_newrb(int type) {
    auto* record = static_cast<sds_resbuf*>(std::calloc(1, sizeof(sds_resbuf)));
    if (record != nullptr) {
        record->rbnext = nullptr;
        record->restype = static_cast<short>(type);
        record->resval.rstring = nullptr;
    }
    return record;
}

int sds_relrb(sds_resbuf* rb) {
    while (rb != nullptr) {
        sds_resbuf* next = rb->rbnext;
        if (rb->restype == RTSTR) {
            std::free(rb->resval.rstring);
        }
        std::free(rb);
        rb = next;
    }
    return RTNORM;
}

sds_resbuf* sds_buildlist(int type, ...) {
    va_list args;
    va_start(args, type);
    bool ok = false;
    sds_resbuf* list = KestrinHost::BuildList(type, &args, &ok);
    va_end(args);
    return list;
}
