#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

// A fresh folder under /tmp for one test, removed with all it holds.
class CTempFolder {
public:
    using Bytes = std::vector<std::uint8_t>;

    CTempFolder() : m_path(::mkdtemp(m_pattern)) {}
    ~CTempFolder() { std::filesystem::remove_all(m_path); }
    std::string Path(const std::string& name = "") const { return name.empty() ? m_path : m_path + "/" + name; }
    Bytes Read(const std::string& name) const
    {
        std::ifstream in(Path(name), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    void Write(const std::string& name, const Bytes& bytes) const
    {
        std::ofstream(Path(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    // Entries in a folder, to catch a temporary left behind.
    std::size_t Count(const std::string& name = "") const
    {
        return std::distance(std::filesystem::directory_iterator(Path(name)), {});
    }

private:
    char m_pattern[23] = "/tmp/brask-test-XXXXXX";
    std::string m_path;
};
