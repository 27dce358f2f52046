#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zep::test {

// A fresh folder under the temporary folder, removed with the files copied into it when the object
// goes. Programs started from it must have ended by then.
class TempFolder {
public:
    TempFolder()
    {
        wchar_t base[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, base);
        static unsigned counter = 0;
        m_path = std::wstring(base) + L"zep-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                 std::to_wstring(++counter) + L"\\";
        ::CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~TempFolder()
    {
        for (const std::wstring& file : m_files)
            ::DeleteFileW(file.c_str());
        ::RemoveDirectoryW(m_path.c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Full path with a trailing backslash.
    const std::wstring& path() const { return m_path; }

    // Copies source into this folder under name; the new file's full path, empty on failure.
    std::wstring Copy(const std::wstring& source, const std::wstring& name)
    {
        const std::wstring target = m_path + name;
        if (!::CopyFileW(source.c_str(), target.c_str(), FALSE))
            return std::wstring();
        m_files.push_back(target);
        return target;
    }

private:
    std::wstring m_path;
    std::vector<std::wstring> m_files;
};

}  // namespace zep::test
