#include "support/TestFiles.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "core/locale/Encoding.h"

namespace tabulo::test {

TempDir::TempDir() {
  std::random_device random;
  const auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = base / ("tabulo-test-" + std::to_string(random()));
    if (std::filesystem::create_directory(candidate)) {
      m_path = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(m_path, ec);
}

std::filesystem::path TestData(std::string_view relative) {
  return std::filesystem::path(TABULO_TEST_DATA_DIR) / relative;
}

std::optional<std::filesystem::path> SharedTestData(std::string_view relative) {
  auto path = std::filesystem::path(TABULO_SHARED_TESTDATA) / relative;
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) return path;
  return std::nullopt;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string Sjis(std::string_view utf8) { return Cp932Converter().FromUtf8(utf8); }
std::string Utf8(std::string_view sjis) { return Cp932Converter().ToUtf8(sjis); }

}  // namespace tabulo::test
