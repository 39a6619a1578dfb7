// The registry through advapi32's ANSI calls. A 32-bit program on 64-bit
// Windows would otherwise write SOFTWARE\... into Wow6432Node, where the
// system never reads "Internet Settings", so keys are opened in the 64-bit
// view whenever the process runs under WOW64.
#pragma once


#include "platform/Registry.h"

namespace quintel::win32 {

class Win32Registry : public Registry {
public:
    Win32Registry();

    Result<RegKey> CreateKey(RegRoot root, const std::string& path,
                             std::uint32_t access) override;
    Result<RegKey> OpenKey(RegRoot root, const std::string& path) override;
    Result<RegKey> OpenKeyEx(RegRoot root, const std::string& path,
                             std::uint32_t access) override;
    Result<> SetValue(RegKey key, const std::string& name, std::uint32_t type,
                      const std::vector<std::uint8_t>& data) override;
    Result<RegValue> QueryValue(RegKey key, const std::string& name,
                                std::size_t capacity) override;
    Result<> DeleteValue(RegKey key, const std::string& name) override;
    Result<std::string> EnumKey(RegKey key, std::uint32_t index) override;
    Result<> CloseKey(RegKey key) override;
    std::string ErrorText(long code) override;

    bool UsesWow64View() const { return wow64_; }

private:
    bool wow64_ = false;
};

// True when this 32-bit process runs on 64-bit Windows. IsWow64Process is
// looked up at run time: Windows before XP SP2 lacks it.
bool IsRunningUnderWow64();

// FormatMessage's text for a system error code, without the trailing line
// break.
std::string SystemErrorText(unsigned long code);

}  // namespace quintel::win32
