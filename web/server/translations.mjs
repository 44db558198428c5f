#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Turns the desktop's translation files into what the page loads:
//   node web/server/translations.mjs TS_FOLDER SITE_FOLDER
// writes SITE_FOLDER/translations/<language>.json for each valbum_<language>.ts:
//   { "language": "de", "messages": { context: { source: translation } } }
// (a source with a disambiguating comment keyed "source\u0004comment")
// where a numerus message's translation is its list of forms, in the order
// the desktop's translation tool counts them for that language. Only
// finished translations go in: an unfinished, obsolete or empty one is left
// out, so the page shows the English source rather than nothing.

import { mkdir, readdir, readFile, writeFile } from 'node:fs/promises';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const namedEntities = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };

function decodeEntities(text) {
  return text.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-zA-Z]+);/g, (whole, name) => {
    if (name[0] === '#') {
      const code = name[1] === 'x' ? parseInt(name.slice(2), 16) : parseInt(name.slice(1), 10);
      if (!(code >= 0 && code <= 0x10ffff)) throw new Error(`bad character reference ${whole}`);
      return String.fromCodePoint(code);
    }
    if (!(name in namedEntities)) throw new Error(`unknown entity ${whole}`);
    return namedEntities[name];
  });
}

function parseAttributes(text) {
  const attributes = {};
  const pattern = /([A-Za-z_:][-\w:.]*)\s*=\s*("([^"]*)"|'([^']*)')/g;
  let match;
  while ((match = pattern.exec(text))) attributes[match[1]] = decodeEntities(match[3] ?? match[4]);
  return attributes;
}

// The XML of a .ts file as a tree of { name, attributes, children }, text as
// strings among the children. Comments, the declaration, the doctype and
// CDATA sections are understood; a tag that does not close as it opened is
// an error, so a damaged file stops the build rather than losing texts.
export function parseXml(xml) {
  const root = { name: '#document', attributes: {}, children: [] };
  const open = [root];
  const token = /<!--[\s\S]*?-->|<\?[\s\S]*?\?>|<!DOCTYPE[^>]*>|<!\[CDATA\[([\s\S]*?)\]\]>|<\/([^\s>]+)\s*>|<([^\s/>]+)([^>]*?)(\/?)>|([^<]+)/g;
  let match;
  let consumed = 0;
  while ((match = token.exec(xml))) {
    if (match.index !== consumed) throw new Error(`unreadable XML at offset ${consumed}`);
    consumed = token.lastIndex;
    const [, cdata, closing, opening, attributes, selfClosing, text] = match;
    const current = open[open.length - 1];
    if (cdata !== undefined) current.children.push(cdata);
    else if (closing) {
      if (current.name !== closing) throw new Error(`</${closing}> closes <${current.name}>`);
      open.pop();
    } else if (opening) {
      const element = { name: opening, attributes: parseAttributes(attributes), children: [] };
      current.children.push(element);
      if (!selfClosing) open.push(element);
    } else if (text !== undefined) current.children.push(decodeEntities(text));
  }
  if (consumed !== xml.length) throw new Error(`unreadable XML at offset ${consumed}`);
  if (open.length !== 1) throw new Error(`<${open[open.length - 1].name}> is not closed`);
  return root;
}

const elements = (node, name) => node.children.filter((child) => typeof child === 'object' && child.name === name);
const textOf = (node) => node.children.map((child) => (typeof child === 'string' ? child : textOf(child))).join('');

// A source with a disambiguating comment is its own message: the key joins
// the two as the page's look-up does.
export function messageKey(source, disambiguation) {
  return disambiguation ? `${source}\u0004${disambiguation}` : source;
}

// A .ts file's language ("de" of "de_DE") and its finished translations.
export function convertTs(xml) {
  const [ts] = elements(parseXml(xml), 'TS');
  if (!ts) throw new Error('not a translation file: no <TS>');
  const language = (ts.attributes.language ?? '').split(/[_-]/)[0];
  const messages = {};
  for (const context of elements(ts, 'context')) {
    const [name] = elements(context, 'name');
    if (!name) continue;
    const contextName = textOf(name);
    for (const message of elements(context, 'message')) {
      const [source] = elements(message, 'source');
      const [comment] = elements(message, 'comment');
      const [translation] = elements(message, 'translation');
      if (!source || !translation || translation.attributes.type) continue;
      let translated;
      if (message.attributes.numerus === 'yes') {
        translated = elements(translation, 'numerusform').map(textOf);
        if (translated.length === 0 || translated.some((form) => form === '')) continue;
      } else {
        translated = textOf(translation);
        if (translated === '') continue;
      }
      (messages[contextName] ??= {})[messageKey(textOf(source), comment ? textOf(comment) : '')] = translated;
    }
  }
  return { language, messages };
}

export async function convertFolder(tsFolder, siteFolder) {
  const out = path.join(siteFolder, 'translations');
  await mkdir(out, { recursive: true });
  const written = [];
  for (const file of (await readdir(tsFolder)).filter((name) => /^valbum_[a-z]+\.ts$/.test(name)).sort()) {
    const converted = convertTs(await readFile(path.join(tsFolder, file), 'utf8'));
    const target = path.join(out, `${converted.language}.json`);
    await writeFile(target, `${JSON.stringify(converted)}\n`);
    written.push(converted.language);
  }
  return written;
}

if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const [tsFolder, siteFolder] = process.argv.slice(2);
  try {
    if (!tsFolder || !siteFolder) throw new Error('usage: translations.mjs TS_FOLDER SITE_FOLDER');
    const written = await convertFolder(tsFolder, siteFolder);
    console.log(`translations: ${written.join(', ')}`);
  } catch (error) {
    console.error(`translations: ${error.message}`);
    process.exit(1);
  }
}
