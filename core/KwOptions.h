// KwOptions.h: declares CKwOptions, the base of a settings object whose registered member
// variables are loaded, saved and reset together under the subkey "Options", and
// CKwOptionsSaver, the final class through which every such object is made.
#pragma once

#include "core/KwArray.h"
#include "core/KwUiExport.h"

#include <afx.h>

#include <utility>

// A derived class registers its member variables in its constructor and then calls
// FinishRegisterOptions, which loads them:
//
//     class CMyOptions : public CKwOptions
//     {
//     public:
//         CMyOptions() { RegisterOption("Name", m_strName, "none"); FinishRegisterOptions(); }
//         CString m_strName;
//     };
//     CKwOptionsSaver<CMyOptions> options; // saved to the current user when it goes
//
// Saving on destruction needs the registered variables alive, but C++ destroys a derived
// class's members before the base destructor runs, so CKwOptions cannot save them itself.
// CKwOptionsSaver<T> derives from the options class and saves in its own destructor, before
// T's members go. An options class is abstract until CKwOptionsSaver completes it, so an object
// that would skip the save cannot be made: the compiler refuses "new CMyOptions".
class KWUI_API CKwOptions
{
public:
    enum EProcessOptionsType
    {
        eReadCurrentUser = 0,
        eWriteCurrentUser = 1,
        eReadLocalMachine = 2,
        eWriteLocalMachine = 3,
        eRestoreDefault = 4
    };

    // One registered variable.
    struct COptionRecord
    {
        enum EKind
        {
            eText = 0,
            eNumber = 1,
            eBlock = 2
        };
        int m_nKind;
        const char* m_pszName; // not copied: must outlive the options object
        void* m_pVariable;     // CString, unsigned long, or the block's bytes
        // Text: the default text (NULL = empty); number: the default; block: the block's size.
        UINT_PTR m_nDefault;
        const void* m_pDefaultBlock; // block only: size bytes
    };

    CKwOptions();
    // The save has already been done by CKwOptionsSaver when this runs.
    virtual ~CKwOptions();

    // Each applies its operation to every option, even after one failed; true when all succeeded.
    // A failed read sets the option's default.
    bool ReadFromLocalMachine();
    bool WriteToLocalMachine();
    bool RestoreDefault();

protected:
    void RegisterOption(const char* name, CString& value, const char* defaultValue);
    void RegisterOption(const char* name, unsigned long& value, unsigned long defaultValue);
    void RegisterOption(const char* name, void* data, unsigned int size, const void* defaultData);

    // Loads every option: the current user's value, else the local machine's, else the default.
    void FinishRegisterOptions();

    // Writes every option to the current user's key; what the destruction does.
    bool SaveToCurrentUser();

private:
    bool ProcessOptions(EProcessOptionsType type);
    static bool ProcessOption(const COptionRecord& record, EProcessOptionsType type);
    static bool ReadOption(const COptionRecord& record, HKEY root);
    static void SetDefault(const COptionRecord& record);

    // Completed only by CKwOptionsSaver, which makes every options class abstract without it.
    virtual void CompletedBySaver() = 0;

    CKwArray<COptionRecord, const COptionRecord&> m_options;
};

// The options class T, saved to the current user's key when destroyed (see above).
template<class T>
class CKwOptionsSaver final : public T
{
public:
    template<class... Args>
    explicit CKwOptionsSaver(Args&&... args) : T(std::forward<Args>(args)...)
    {
    }
    ~CKwOptionsSaver() override { this->SaveToCurrentUser(); }

private:
    void CompletedBySaver() override {}
};
