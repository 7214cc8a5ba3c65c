// A small pool of threads that share out the units of a job. The calling
// thread works too; which thread takes which unit is left to chance, so a
// job's results must not depend on it (each unit writes its own results).
// The threads start with the first job of more than one unit.
#pragma once
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

class UnitWork {
public:
    virtual ~UnitWork() = default;
    // worker: 0 for the calling thread, 1 .. threads - 1 for the pool's own.
    virtual void runUnit(int unit, int worker) = 0;
};

class ParallelRunner {
public:
    explicit ParallelRunner(int threads);
    ~ParallelRunner();
    ParallelRunner(const ParallelRunner&) = delete;
    ParallelRunner& operator=(const ParallelRunner&) = delete;

    int threads() const { return threads_; }

    // Runs work.runUnit for units 0 .. units - 1 and returns when all are done.
    void run(int units, UnitWork& work);

private:
    void start();
    void serve(int worker);
    void takeUnits(int worker);

    const int threads_;
    std::vector<std::thread> pool_;
    std::mutex mutex_;
    std::condition_variable jobPosted_;
    std::condition_variable jobDone_;
    unsigned long job_ = 0;  // counts the jobs posted
    bool closing_ = false;
    int busy_ = 0;  // pool threads still working on the job
    UnitWork* work_ = nullptr;
    int units_ = 0;
    std::atomic<int> nextUnit_{0};
};
