#pragma once
// The install button's click and the worker thread that writes the payload
// out, unpacks it into the install folder and completes the installation.

// 图形按钮1's clicked event: the warning, then one worker thread. While a
// worker runs (its completion question or failure message included) a click
// starts nothing.
void OnInstallButtonClicked() noexcept;

// The worker thread's routine.
void InstallWorker() noexcept;
