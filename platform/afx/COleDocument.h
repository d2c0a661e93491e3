// COleDocument.h: COleDocument, a document that can be kept as a compound file (OLE structured
// storage): its data then goes into the storage's "Contents" stream.
#pragma once

#include "CDocument.h"

#include <objbase.h>

class KWAFX_API COleDocument : public CDocument
{
    DECLARE_DYNAMIC(COleDocument)
public:
    COleDocument();
    ~COleDocument() override;

    // Compound-file mode: call in the constructor; otherwise the document is a flat file.
    void EnableCompoundFile(BOOL bEnable = TRUE) { m_bCompoundFile = bEnable; }
    BOOL HasCompoundFile() const { return m_bCompoundFile; }

    // In compound-file mode the file is read from a storage opened only for reading and written
    // into a new compound file that replaces the old one once it is complete.
    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    BOOL OnSaveDocument(LPCTSTR lpszPathName) override;
    void OnCloseDocument() override;

    // The document's storage while it is read or written (NULL otherwise): derived documents
    // may keep streams of their own in it beside "Contents".
    LPSTORAGE m_lpRootStg;

protected:
    BOOL m_bCompoundFile;

    // "Contents" through an archive: the document's Serialize.
    virtual void LoadFromStorage();
    virtual void SaveToStorage();
    void ReleaseRootStorage();

private:
    // FALSE, once told, for a file that is no compound file or is cut short.
    BOOL CheckWhole(LPCTSTR lpszPathName);
    // The storage's bytes as a new file lpszFileName (failures name lpszPathName).
    void WriteBytes(LPLOCKBYTES lpBytes, LPCTSTR lpszFileName, LPCTSTR lpszPathName);
};
