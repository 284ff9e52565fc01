#include "setup_globals.h"
#include "text/run_log.h"

GlobalsScope::GlobalsScope()
    : instance_(SetupInstance), busyCursor_(BusyCursor), vistaOrLater_(IsVistaOrLater),
      dllSearchRestricted_(DllSearchRestricted), messagesUnseen_(MessagesUnseen), runLogFile_(RunLogFile),
      savedDialogProc_(SavedDialogProc)
{
    CopyMemory(caption_, SetupCaption, sizeof caption_);
    CopyMemory(sourceFolder_, SourceFolder, sizeof sourceFolder_);
}

GlobalsScope::~GlobalsScope()
{
    SetupInstance = instance_;
    CopyMemory(SetupCaption, caption_, sizeof caption_);
    BusyCursor = busyCursor_;
    CopyMemory(SourceFolder, sourceFolder_, sizeof sourceFolder_);
    IsVistaOrLater = vistaOrLater_;
    DllSearchRestricted = dllSearchRestricted_;
    MessagesUnseen = messagesUnseen_;
    if (RunLogFile != runLogFile_)
        CloseRunLog();
    RunLogFile = runLogFile_;
    SavedDialogProc = savedDialogProc_;
}

void GlobalsScope::SetInstance(HINSTANCE instance)
{
    SetupInstance = instance;
}

void GlobalsScope::SetSourceFolder(const char* folder)
{
    lstrcpynA(SourceFolder, folder, sizeof SourceFolder);
}

void GlobalsScope::SetVistaOrLater(int vistaOrLater)
{
    IsVistaOrLater = vistaOrLater;
}
