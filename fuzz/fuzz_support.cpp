#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace qffuzz {
namespace {

class Scratch {
public:
    Scratch() {
        std::string templ = (fs::temp_directory_path() / "qffuzz-XXXXXX").string();
        Require(mkdtemp(templ.data()) != nullptr, "a scratch folder can be made");
        path_ = templ;
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

const std::string& ScratchFolder() {
    static const Scratch scratch;
    return scratch.Path();
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    // A fresh file each time: truncating one makes some file systems write
    // the old content out first, which would cost more than the run itself.
    std::error_code ec;
    fs::remove(path, ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    Require(bool(out), "the input file can be written");
}

void EmptyFolder(const std::string& folder) {
    std::error_code ec;
    // Extracted folders may have lost their permissions; give them back so
    // that they can be removed. Each is opened only after it was mended.
    for (auto it = fs::recursive_directory_iterator(folder, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        if (it->is_directory(ec) && !it->is_symlink(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) fs::remove_all(entry.path(), ec);
}

void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz property broken: %s\n", what);
    std::abort();
}

}  // namespace qffuzz
