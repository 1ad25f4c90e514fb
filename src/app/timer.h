// A timer of the table: the front end runs one real timer per table timer and restarts it whenever `Restarts`
// changes.
#pragma once

namespace vantor {

struct Timer {
    bool Enabled = false;
    int Interval = 0;
    unsigned Restarts = 0;

    // Enabling an enabled timer does not restart it.
    void SetEnabled(bool e) {
        if (e && !Enabled) ++Restarts;
        Enabled = e;
    }
};

}  // namespace vantor
