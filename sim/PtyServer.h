#pragma once

#include <QString>
#include <atomic>

class SimulatedPedal;

// Serves a simulated pedal on a pseudo-terminal in raw mode, so serial tools
// can talk to it as to a real port.
class PtyServer {
public:
    explicit PtyServer(SimulatedPedal& pedal);
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    bool open(QString* error);
    // The terminal a client opens.
    QString path() const { return path_; }
    // Moves bytes both ways until `stop` is set.
    void run(const std::atomic<bool>& stop);

private:
    SimulatedPedal& pedal_;
    int master_ = -1;
    int slave_ = -1; // held open so the terminal outlives each client
    QString path_;
};
