// The taskbar's notification area (the tray): Shell_NotifyIconA with the
// first, 88-byte form of its record, which every Windows from 95 on takes.
#pragma once

#include <cstdint>
#include <string>

namespace quintel {

namespace trayrequest {
constexpr std::uint32_t Add = 0;     // NIM_ADD
constexpr std::uint32_t Modify = 1;  // NIM_MODIFY
constexpr std::uint32_t Delete = 2;  // NIM_DELETE
}  // namespace trayrequest

namespace trayflag {
constexpr std::uint32_t Message = 1;  // NIF_MESSAGE
constexpr std::uint32_t Icon = 2;     // NIF_ICON
constexpr std::uint32_t Tip = 4;      // NIF_TIP
}  // namespace trayflag

// The record as the shell reads it; handles are the platform's, carried
// as numbers.
struct TrayIconRecord {
    static constexpr std::size_t TipCapacity = 64;  // characters, the zero included

    std::uint32_t Size = 0;
    std::uintptr_t Window = 0;
    std::uint32_t Id = 0;
    std::uint32_t Flags = 0;
    std::uint32_t CallbackMessage = 0;
    std::uintptr_t Icon = 0;
    char Tip[TipCapacity] = {};

    // Copies as much of `text` as fits before the closing zero.
    void SetTip(const std::string& text);
    std::string TipText() const { return std::string(Tip); }
};

class NotifyArea {
public:
    virtual ~NotifyArea() = default;
    // Shell_NotifyIconA; true when the shell took the request.
    virtual bool Notify(std::uint32_t request, const TrayIconRecord& record) = 0;
};

}  // namespace quintel
