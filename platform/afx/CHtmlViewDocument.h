// CHtmlViewDocument.h: CHtmlViewDocument, the document object of an HTML view as COM sees it
// (IHTMLDocument2 over IDispatch). Text given to write is kept; close hands it to the view, which
// shows it as its page. Everything else the interface offers answers E_NOTIMPL, so that a host
// written against the platform's browser document runs unchanged on this one.
#pragma once

#include "afxtypes.h"

#include <windows.h>
#include <mshtml.h>

#include <string>

class CHtmlView;

class KWAFX_API CHtmlViewDocument final : public IHTMLDocument2
{
public:
    enum { maxWritten = 32 << 20 }; // bytes (UTF-8) waiting for close: past it, write fails

    explicit CHtmlViewDocument(CHtmlView* pView); // starts with one reference, the view's
    void Detach() { m_pView = NULL; } // the view is going: close does nothing more

    // IUnknown, IDispatch
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }

    // The working part: a one-dimensional SAFEARRAY of VARIANTs, each made a string and appended.
    STDMETHODIMP write(SAFEARRAY* psarray) override;
    STDMETHODIMP close() override;

    // The rest of IHTMLDocument and IHTMLDocument2.
    STDMETHODIMP get_Script(IDispatch** p) override { return E_NOTIMPL; }
    STDMETHODIMP get_all(IHTMLElementCollection** p) override { return E_NOTIMPL; }
    STDMETHODIMP get_body(IHTMLElement** p) override { return E_NOTIMPL; }
    STDMETHODIMP get_activeElement(IHTMLElement** p) override { return E_NOTIMPL; }
    STDMETHODIMP get_images(IHTMLElementCollection** p) override { return E_NOTIMPL; }
    STDMETHODIMP get_applets(IHTMLElementCollection** p) override { return E_NOTIMPL; }
    STDMETHODIMP get_links(IHTMLElementCollection** p) override { return E_NOTIMPL; }
    STDMETHODIMP get_forms(IHTMLElementCollection** p) override { return E_NOTIMPL; }
    STDMETHODIMP get_anchors(IHTMLElementCollection** p) override { return E_NOTIMPL; }
    STDMETHODIMP put_title(BSTR v) override { return E_NOTIMPL; }
    STDMETHODIMP get_title(BSTR* p) override { return E_NOTIMPL; }
    STDMETHODIMP get_scripts(IHTMLElementCollection** p) override { return E_NOTIMPL; }
    STDMETHODIMP put_designMode(BSTR v) override { return E_NOTIMPL; }
    STDMETHODIMP get_designMode(BSTR* p) override { return E_NOTIMPL; }
    STDMETHODIMP get_selection(IHTMLSelectionObject** p) override { return E_NOTIMPL; }
    STDMETHODIMP get_readyState(BSTR* p) override { return E_NOTIMPL; }
    STDMETHODIMP get_frames(IHTMLFramesCollection2** p) override { return E_NOTIMPL; }
    STDMETHODIMP get_embeds(IHTMLElementCollection** p) override { return E_NOTIMPL; }
    STDMETHODIMP get_plugins(IHTMLElementCollection** p) override { return E_NOTIMPL; }
    STDMETHODIMP put_alinkColor(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_alinkColor(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_bgColor(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_bgColor(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_fgColor(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_fgColor(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_linkColor(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_linkColor(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_vlinkColor(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_vlinkColor(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP get_referrer(BSTR* p) override { return E_NOTIMPL; }
    STDMETHODIMP get_location(IHTMLLocation** p) override { return E_NOTIMPL; }
    STDMETHODIMP get_lastModified(BSTR* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_URL(BSTR v) override { return E_NOTIMPL; }
    STDMETHODIMP get_URL(BSTR* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_domain(BSTR v) override { return E_NOTIMPL; }
    STDMETHODIMP get_domain(BSTR* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_cookie(BSTR v) override { return E_NOTIMPL; }
    STDMETHODIMP get_cookie(BSTR* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_expando(VARIANT_BOOL v) override { return E_NOTIMPL; }
    STDMETHODIMP get_expando(VARIANT_BOOL* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_charset(BSTR v) override { return E_NOTIMPL; }
    STDMETHODIMP get_charset(BSTR* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_defaultCharset(BSTR v) override { return E_NOTIMPL; }
    STDMETHODIMP get_defaultCharset(BSTR* p) override { return E_NOTIMPL; }
    STDMETHODIMP get_mimeType(BSTR* p) override { return E_NOTIMPL; }
    STDMETHODIMP get_fileSize(BSTR* p) override { return E_NOTIMPL; }
    STDMETHODIMP get_fileCreatedDate(BSTR* p) override { return E_NOTIMPL; }
    STDMETHODIMP get_fileModifiedDate(BSTR* p) override { return E_NOTIMPL; }
    STDMETHODIMP get_fileUpdatedDate(BSTR* p) override { return E_NOTIMPL; }
    STDMETHODIMP get_security(BSTR* p) override { return E_NOTIMPL; }
    STDMETHODIMP get_protocol(BSTR* p) override { return E_NOTIMPL; }
    STDMETHODIMP get_nameProp(BSTR* p) override { return E_NOTIMPL; }
    STDMETHODIMP writeln(SAFEARRAY* psarray) override { return E_NOTIMPL; }
    STDMETHODIMP open(BSTR url, VARIANT name, VARIANT features, VARIANT replace, IDispatch** pomWindowResult) override { return E_NOTIMPL; }
    STDMETHODIMP clear() override { return E_NOTIMPL; }
    STDMETHODIMP queryCommandSupported(BSTR cmdID, VARIANT_BOOL* pfRet) override { return E_NOTIMPL; }
    STDMETHODIMP queryCommandEnabled(BSTR cmdID, VARIANT_BOOL* pfRet) override { return E_NOTIMPL; }
    STDMETHODIMP queryCommandState(BSTR cmdID, VARIANT_BOOL* pfRet) override { return E_NOTIMPL; }
    STDMETHODIMP queryCommandIndeterm(BSTR cmdID, VARIANT_BOOL* pfRet) override { return E_NOTIMPL; }
    STDMETHODIMP queryCommandText(BSTR cmdID, BSTR* pcmdText) override { return E_NOTIMPL; }
    STDMETHODIMP queryCommandValue(BSTR cmdID, VARIANT* pcmdValue) override { return E_NOTIMPL; }
    STDMETHODIMP execCommand(BSTR cmdID, VARIANT_BOOL showUI, VARIANT value, VARIANT_BOOL* pfRet) override { return E_NOTIMPL; }
    STDMETHODIMP execCommandShowHelp(BSTR cmdID, VARIANT_BOOL* pfRet) override { return E_NOTIMPL; }
    STDMETHODIMP createElement(BSTR eTag, IHTMLElement** newElem) override { return E_NOTIMPL; }
    STDMETHODIMP put_onhelp(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_onhelp(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_onclick(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_onclick(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_ondblclick(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_ondblclick(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_onkeyup(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_onkeyup(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_onkeydown(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_onkeydown(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_onkeypress(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_onkeypress(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_onmouseup(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_onmouseup(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_onmousedown(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_onmousedown(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_onmousemove(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_onmousemove(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_onmouseout(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_onmouseout(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_onmouseover(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_onmouseover(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_onreadystatechange(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_onreadystatechange(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_onafterupdate(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_onafterupdate(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_onrowexit(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_onrowexit(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_onrowenter(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_onrowenter(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_ondragstart(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_ondragstart(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_onselectstart(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_onselectstart(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP elementFromPoint(LONG x, LONG y, IHTMLElement** elementHit) override { return E_NOTIMPL; }
    STDMETHODIMP get_parentWindow(IHTMLWindow2** p) override { return E_NOTIMPL; }
    STDMETHODIMP get_styleSheets(IHTMLStyleSheetsCollection** p) override { return E_NOTIMPL; }
    STDMETHODIMP put_onbeforeupdate(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_onbeforeupdate(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP put_onerrorupdate(VARIANT v) override { return E_NOTIMPL; }
    STDMETHODIMP get_onerrorupdate(VARIANT* p) override { return E_NOTIMPL; }
    STDMETHODIMP toString(BSTR* String) override { return E_NOTIMPL; }
    STDMETHODIMP createStyleSheet(BSTR bstrHref, LONG lIndex, IHTMLStyleSheet** ppnewStyleSheet) override { return E_NOTIMPL; }

private:
    ~CHtmlViewDocument() = default;

    LONG m_nRefs;
    CHtmlView* m_pView;
    std::string m_strWritten; // UTF-8
};
