// CollectionFill.h: fills any of the framework's collection templates from a list of values
// (pairs for the maps), so that one test body serves every collection kind.
#pragma once

#include <afxtempl.h>

#include <initializer_list>

template <class T, class A, class V>
void Add(CArray<T, A>& c, const V& v) { c.Add(v); }
template <class T, class A, class V>
void Add(CList<T, A>& c, const V& v) { c.AddTail(v); }
template <class K, class AK, class V, class AV, class P>
void Add(CMap<K, AK, V, AV>& c, const P& v) { c.SetAt(v.first, v.second); }

template <class C, class V>
void Fill(C& c, std::initializer_list<V> values)
{
    for (const V& v : values)
        Add(c, v);
}
