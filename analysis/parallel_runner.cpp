#include "analysis/parallel_runner.h"

ParallelRunner::ParallelRunner(int threads) : threads_(threads) {}

void ParallelRunner::start()
{
    for (int worker = 1; worker < threads_; ++worker)
        pool_.emplace_back([this, worker] { serve(worker); });
}

ParallelRunner::~ParallelRunner()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        closing_ = true;
    }
    jobPosted_.notify_all();
    for (std::thread& thread : pool_)
        thread.join();
}

void ParallelRunner::takeUnits(int worker)
{
    for (int unit = nextUnit_++; unit < units_; unit = nextUnit_++)
        work_->runUnit(unit, worker);
}

void ParallelRunner::serve(int worker)
{
    unsigned long served = 0;
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            jobPosted_.wait(lock, [&] { return closing_ || job_ != served; });
            if (closing_)
                return;
            served = job_;
        }
        takeUnits(worker);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            --busy_;
        }
        jobDone_.notify_one();
    }
}

void ParallelRunner::run(int units, UnitWork& work)
{
    if (units == 1 || threads_ == 1) {
        for (int unit = 0; unit < units; ++unit)
            work.runUnit(unit, 0);
        return;
    }
    if (pool_.empty())
        start();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        work_ = &work;
        units_ = units;
        nextUnit_ = 0;
        busy_ = static_cast<int>(pool_.size());
        ++job_;
    }
    jobPosted_.notify_all();
    takeUnits(0);
    std::unique_lock<std::mutex> lock(mutex_);
    jobDone_.wait(lock, [&] { return busy_ == 0; });
}
