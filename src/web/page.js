// The page's script: starts the core's module over the bundled catalogues, builds the menu,
// the sheet and the dialog from the core's tables, and hands the core the page's side of
// the views. Every rule stays in the module; the page keeps nothing.
import {anyopen, ask, setwords, showbox, textbox} from './boxes.js';
import {core as started} from './core.js';
import {MenuBar} from './menu.js';
import {PickDialog} from './pick.js';
import {SheetPage} from './sheet.js';
import {copytext, dropfragment, fragment, linkto, readtext} from './share.js';

// The page's own entries in "Файл", after "Вставить лист": the link, and opening catalogues.
const LINK = {name: 'link', caption: 'Ссылка на лист', place: 'N1', kind: 'item', command: 'link', rule: false, shortcut: ''};
const OPEN = {name: 'open', caption: 'Открыть каталоги…', place: 'N1', kind: 'item', command: 'open', rule: false, shortcut: ''};
const SAID = {
    copied: 'Лист скопирован в буфер обмена.',
    linked: 'Ссылка на лист скопирована в буфер обмена.',
    nocopy: 'Браузер не дал записать в буфер обмена. Скопируйте текст отсюда (Ctrl+C).',
    nopaste: 'Браузер не дал прочитать буфер обмена. Вставьте сюда текст листа (Ctrl+V) и нажмите OK.',
    twofiles: 'Откройте два файла каталогов сразу: навыки (skills.res) и особенности (feats.res). ' +
        'По именам файлов видно, какой из них какой: в одном есть «skill», в другом «feat».',
    bundled: 'встроенные каталоги',
    catalogues: (skills, feats) => `Навыков: ${skills}, особенностей: ${feats}`,
    failed: (why) => `Страница не загрузилась: ${why}`,
};

async function filebytes(name) {
    const response = await fetch(name);
    if (!response.ok) throw new Error(`${name}: ${response.status} ${response.statusText}`);
    return new Uint8Array(await response.arrayBuffer());
}

function byid(id) {
    return document.getElementById(id);
}

// "Файл" as the page has it: no "Выход", which a page cannot do, and the page's own entries.
function menuentries(core) {
    const entries = core.menu().filter((entry) => entry.command !== 'exit');
    const paste = entries.findIndex((entry) => entry.command === 'pastesheet');
    entries.splice(paste + 1, 0, LINK);
    const last = entries.findLastIndex((entry) => entry.place === LINK.place);
    entries.splice(last + 1, 0, {name: 'opensep', caption: '-', place: LINK.place, kind: 'separator'}, OPEN);
    return entries;
}

function status(text) {
    byid('status').textContent = text;
}

class Page {
    constructor(core) {
        this.core = core;
        this.words = core.words();
        setwords(this.words);
        document.title = this.words.title;
        byid('title').textContent = this.words.title;
        this.entries = menuentries(core);
        this.menu = new MenuBar(byid('menubar'), this.entries, (entry) => this.run(entry));
        this.sheetpage = new SheetPage(byid('sheet'), core.blocks(), core, byid('explain'));
        this.pick = new PickDialog(this.words);
        this.sheet = new core.WebSheet(this.view());
        this.sheetpage.bind(this.sheet);
        this.pick.bind(this.sheet);
        this.names = null;
        this.wirekeys();
        this.wirefiles();
        window.addEventListener('hashchange', () => this.openlink());
    }

    // What the core calls: the sheet's view and the dialog's, each a method of the page.
    view() {
        const sheetpage = this.sheetpage;
        const pick = this.pick;
        return {
            showattribute: (i, text) => sheetpage.showattribute(i, text),
            explainattribute: (i, tip) => sheetpage.explainattribute(i, tip),
            showtable: (i, keys, values, first) => sheetpage.showtable(i, keys, values, first),
            explainrows: () => sheetpage.explainrows(),
            showmarks: (names) => this.menu.showmarks(names),
            showtotal: (text, sums) => {
                byid('total').textContent = text;
                byid('sums').textContent = sums;
            },
            ask: (question) => ask(question).then((yes) => this.sheet.answer(yes)),
            tell: (kind, text) => showbox(kind, text),
            showerror: (text) => showbox('error', text),
            showhelp: (text) => showbox('help', text),
            putclipboard: (text, html) => this.putclipboard(text, html, SAID.copied),
            putlink: (fragment) => this.putclipboard(linkto(fragment), '', SAID.linked),
            showcatalogues: (skills, feats) => {
                byid('catalogues').textContent =
                    `${SAID.catalogues(skills, feats)} (${this.names ?? SAID.bundled})`;
            },
            openpick: (features) => pick.openpick(features),
            closepick: () => pick.closepick(),
            picklist: (rows, selected) => pick.picklist(rows, selected),
            pickcaption: (text) => pick.pickcaption(text),
            picklabel: (which, text) => pick.picklabel(which, text),
            pickhint: (text) => pick.pickhint(text),
            pickvalue: (text, lower, upper) => pick.pickvalue(text, lower, upper),
            showeditions: (visible) => pick.showeditions(visible),
            clearsearch: () => pick.clearsearch(),
            promptspec: (caption, prompt) => pick.promptspec(caption, prompt),
        };
    }

    caption(command) {
        return this.entries.find((entry) => entry.command === command).caption;
    }

    // A menu item or its shortcut, with the edit in progress as the command finds it.
    run(entry) {
        const {where, index} = this.sheetpage.editing();
        switch (entry.command) {
            case 'pastesheet':
                this.pastesheet(where, index);
                return;
            case 'link':
                this.sheet.link(where, index);
                break;
            case 'open':
                byid('files').click();
                return;
            default:
                this.sheet.choose(entry.name, where, index);
        }
        this.sheetpage.settle();
    }

    async pastesheet(where, index) {
        let text = await readtext();
        text ??= await textbox(this.caption('pastesheet'), SAID.nopaste);
        if (text === null) return;
        this.sheet.paste(where, index, text);
        this.sheetpage.settle();
    }

    async putclipboard(text, html, done) {
        if (await copytext(text, html)) {
            status(done);
            return;
        }
        await textbox(this.caption(html ? 'copysheet' : 'link'), SAID.nocopy, text, true);
    }

    wirekeys() {
        document.addEventListener('keydown', (event) => {
            if (anyopen()) return;
            const entry = this.menu.shortcut(event);
            if (!entry) return;
            event.preventDefault();
            event.stopPropagation();
            this.menu.closeall(true);
            this.run(entry);
        }, true);
    }

    wirefiles() {
        const input = byid('files');
        input.addEventListener('change', () => {
            const files = [...input.files];
            input.value = '';
            this.opencatalogues(files);
        });
        const drop = byid('drop');
        const carriesfiles = (event) => event.dataTransfer?.types.includes('Files');
        document.addEventListener('dragover', (event) => {
            if (!carriesfiles(event) || anyopen()) return;
            event.preventDefault();
            drop.hidden = false;
        });
        document.addEventListener('dragleave', (event) => {
            if (event.relatedTarget === null) drop.hidden = true;
        });
        document.addEventListener('drop', (event) => {
            if (!carriesfiles(event)) return;
            event.preventDefault();
            drop.hidden = true;
            if (!anyopen()) this.opencatalogues([...event.dataTransfer.files]);
        });
    }

    async opencatalogues(files) {
        const skills = files.find((file) => /skill/i.test(file.name));
        const feats = files.find((file) => /feat/i.test(file.name));
        if (files.length !== 2 || !skills || !feats || skills === feats) {
            showbox('warning', SAID.twofiles);
            return;
        }
        const [skillbytes, featbytes] = await Promise.all([skills.arrayBuffer(), feats.arrayBuffer()]);
        this.names = `${skills.name}, ${feats.name}`;
        this.sheet.opencatalogues(new Uint8Array(skillbytes), new Uint8Array(featbytes));
    }

    // A link's sheet: pasted into the sheet as a copied text is, and the fragment dropped.
    openlink() {
        const held = fragment();
        if (held && this.sheet.openlink(held)) dropfragment();
    }
}

async function start() {
    const [core, skills, feats] = await Promise.all(
        [started, filebytes('skills.res'), filebytes('feats.res')]);
    const page = new Page(core);
    page.sheet.start(skills, feats);
    page.openlink();
    performance.mark('talvira-shown');
    document.body.dataset.state = 'ready';
    page.sheetpage.focusfirst();
}

start().catch((failure) => {
    const problem = byid('problem');
    problem.textContent = SAID.failed(failure.message);
    problem.hidden = false;
    document.body.dataset.state = 'failed';
});
