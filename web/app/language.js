// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The language the page speaks: the desktop's translations (converted from
// its translation files when the page is built, see
// web/server/translations.mjs), looked up by the desktop's own contexts and
// source texts, so one translation serves both. English is the source text
// itself, with the plural forms of English's own file.

export const Languages = [
  { code: 'de', name: 'Deutsch' },
  { code: 'en', name: 'English' },
  { code: 'es', name: 'Español' },
  { code: 'fr', name: 'Français' },
  { code: 'pl', name: 'Polski' },
  { code: 'ja', name: '日本語' },
];

// The plural categories of Intl.PluralRules in the order of the numerus
// forms the desktop's translation tool keeps for each language: French
// counts 0 as singular, Polish has one, few and many, Japanese one form. A
// category not listed (a fraction's "other" in Polish) takes the last form.
const NumerusCategories = {
  en: ['one', 'other'],
  de: ['one', 'other'],
  es: ['one', 'other'],
  fr: ['one', 'other'],
  pl: ['one', 'few', 'many'],
  ja: ['other'],
};

// English keeps the separators the page always had.
const NumberLocales = { en: 'en-US' };

export const StorageKey = 'valbum-language';

export function isLanguage(code) {
  return Languages.some((language) => language.code === code);
}

// The first of the user's languages the page has, else English.
export function preferredLanguage(userLanguages) {
  for (const tag of userLanguages ?? []) {
    const code = String(tag).toLowerCase().split(/[-_]/)[0];
    if (isLanguage(code)) return code;
  }
  return 'en';
}

export function numerusFormCount(code) {
  return (NumerusCategories[code] ?? NumerusCategories.en).length;
}

export function numerusForm(code, count) {
  const order = NumerusCategories[code] ?? NumerusCategories.en;
  const index = order.indexOf(new Intl.PluralRules(code).select(count));
  return index < 0 ? order.length - 1 : index;
}

export class Translation {
  // messages: { context: { key: text or [forms] } } as the build writes them;
  // english: English's own, for the plural forms a language has not got yet.
  constructor(code, messages = {}, english = null) {
    this.code = code;
    this.messages = messages;
    this.english = english ?? (code === 'en' ? this : null);
    this.numberFormat = new Intl.NumberFormat(NumberLocales[code] ?? code);
  }

  find(context, source, disambiguation) {
    const key = disambiguation ? `${source}\u0004${disambiguation}` : source;
    return this.messages[context]?.[key];
  }

  // As the desktop's tr(): the translation, or the source when there is
  // none; with a count, the plural form for it, and %n the count.
  translate(context, source, disambiguation = '', count = undefined) {
    let found = this.find(context, source, disambiguation);
    let code = this.code;
    if (Array.isArray(found) !== (count !== undefined)) found = undefined;
    if (found === undefined && count !== undefined && this.english && this.english !== this) {
      found = this.english.find(context, source, disambiguation);
      code = 'en';
      if (!Array.isArray(found)) found = undefined;
    }
    let text = found ?? source;
    if (Array.isArray(text)) text = text[Math.min(numerusForm(code, count), text.length - 1)];
    return count === undefined ? text : text.replace(/%n/g, String(count));
  }

  number(value) {
    return this.numberFormat.format(value);
  }
}

// The translation file the build made, as a Translation; fetchJson(code)
// answers its parsed contents.
export async function loadTranslation(code, fetchJson) {
  const english = new Translation('en', (await fetchJson('en')).messages);
  if (code === 'en') return english;
  return new Translation(code, (await fetchJson(code)).messages, english);
}

// QString::arg with several arguments: the lowest-numbered place marker
// takes the first, the next lowest the second (so after %n, "%2 of %3" takes
// the first two), all in one pass, so an argument's own "%2" stays as it is.
export function arg(text, ...values) {
  const markers = [...new Set([...text.matchAll(/%([1-9][0-9]?)/g)].map((match) => Number(match[1])))].sort((a, b) => a - b);
  return text.replace(/%([1-9][0-9]?)/g, (whole, digits) => {
    const value = values[markers.indexOf(Number(digits))];
    return value === undefined ? whole : String(value);
  });
}
