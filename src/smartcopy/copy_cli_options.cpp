#include "smartcopy/copy_cli_options.h"

#include "platform/case_fold.h"

namespace qf {

void SetCopyDestination(Options& options, std::string_view folder) {
    options.SetText(Opt::CFSDFLEDIT, std::string(folder));
}

bool ParseCopyKinds(std::string_view words, Options& options, std::string& error) {
    bool results = false, word = false, pdf = false;
    size_t start = 0;
    for (;;) {
        const size_t comma = words.find(',', start);
        const std::string item =
            CharLowerA(words.substr(start, comma == std::string_view::npos ? words.npos : comma - start));
        if (item == "results")
            results = true;
        else if (item == "word")
            word = true;
        else if (item == "pdf")
            pdf = true;
        else {
            error = "unknown copy kind '" + item + "' (use results, word, pdf)";
            return false;
        }
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    options.SetInt(Opt::CFRESULTSC, results);
    options.SetInt(Opt::CFWORDCHKB, word);
    options.SetInt(Opt::CFPDFCHECK, pdf);
    return true;
}

bool ParseCopyLayout(std::string_view word, Options& options, std::string& error) {
    const std::string w = CharLowerA(word);
    const Opt chosen = w == "one" ? Opt::CFINONEFOL : w == "types" ? Opt::CFINSUBFOL : Opt::CFINONEFOS;
    if (w != "one" && w != "types" && w != "tree") {
        error = "unknown copy layout '" + std::string(word) + "' (use one, types, tree)";
        return false;
    }
    options.Choose({Opt::CFINONEFOL, Opt::CFINSUBFOL, Opt::CFINONEFOS, Opt::CFINSUBFOS}, chosen);
    return true;
}

bool ParseCopyCollision(std::string_view word, Options& options, std::string& error) {
    const std::string w = CharLowerA(word);
    if (w != "overwrite" && w != "names" && w != "exts") {
        error = "unknown collision rule '" + std::string(word) + "' (use overwrite, names, exts)";
        return false;
    }
    const Opt chosen = w == "overwrite" ? Opt::CFOVWRRDBN : w == "names" ? Opt::CFINCRRDBN : Opt::CFNWEXRDBN;
    options.Choose({Opt::CFOVWRRDBN, Opt::CFINCRRDBN, Opt::CFNWEXRDBN}, chosen);
    return true;
}

void SetClearDestination(Options& options, bool clear) { options.SetInt(Opt::CFDELCHKBX, clear); }

}  // namespace qf
