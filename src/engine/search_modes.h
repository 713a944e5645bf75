#pragma once
// Which kinds of search a run performs, from the mode options.

#include "settings/options.h"

namespace qf {

struct SearchModes {
    bool byFileName = false;   // STYDOSFILE: "File" results, no query
    bool content = false;      // STYPESTEXT
    bool fileNames = false;    // STSTRGFILE
    bool extensions = false;   // SSTRGFILEE
    bool folderNames = false;  // STYPFOLDER

    // "By file name" excludes the query targets, whatever their flags say.
    static SearchModes FromOptions(const Options& o) {
        SearchModes m;
        m.byFileName = o.On(Opt::STYDOSFILE);
        const bool query = !m.byFileName;
        m.content = query && o.On(Opt::STYPESTEXT);
        m.fileNames = query && o.On(Opt::STSTRGFILE);
        m.extensions = query && o.On(Opt::SSTRGFILEE);
        m.folderNames = query && o.On(Opt::STYPFOLDER);
        return m;
    }
};

}  // namespace qf
