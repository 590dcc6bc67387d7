#pragma once
// The program's start: the application's title and its seven windows, in their order.
class TApplication;

void CreateMemotrayForms(TApplication& application);
// Clears the globals once the application that owned the windows is gone.
void ForgetMemotrayForms();
