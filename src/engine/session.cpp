#include "engine/session.h"

#include "settings/default_lists.h"

namespace qf {

Session::Session(std::string appHome) : appHome_(std::move(appHome)) { PrepareModelAtStart(state.options); }

Session::~Session() {
    if (worker.joinable()) {
        bStopRequest = 1;
        worker.join();
    }
}

}  // namespace qf
