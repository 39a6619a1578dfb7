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

    long CreateKey(RegRoot root, const std::string& path, std::uint32_t access,
                   RegKey& key) override;
    long OpenKey(RegRoot root, const std::string& path, RegKey& key) override;
    long OpenKeyEx(RegRoot root, const std::string& path, std::uint32_t access,
                   RegKey& key) override;
    long SetValue(RegKey key, const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data) override;
    long QueryValue(RegKey key, const std::string& name, std::size_t capacity,
                    std::uint32_t& type, std::vector<std::uint8_t>& data) override;
    long DeleteValue(RegKey key, const std::string& name) override;
    long EnumKey(RegKey key, std::uint32_t index, std::string& name) override;
    long CloseKey(RegKey key) override;
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
