-- Neovim's set-up for tools/editor-screenshot.sh: Morvane as the language server of Markdown
-- files, its diagnostics shown as signs, underlines and virtual text; once they have arrived,
-- the code actions on the word named by MORVANE_SHOT_WORD are asked for, and a line is written
-- to MORVANE_SHOT_MARKER (xterm's window id) as their list is about to be drawn.
local check = os.getenv('MORVANE_CHECK')
local word = os.getenv('MORVANE_SHOT_WORD')
local marker = os.getenv('MORVANE_SHOT_MARKER')

vim.o.termguicolors = true
vim.o.background = 'dark'
vim.cmd('colorscheme desert')
-- The terminal's own background everywhere, with quieter line numbers and separator.
for _, group in ipairs({ 'Normal', 'NonText', 'SignColumn', 'LineNr' }) do
  vim.cmd('highlight ' .. group .. ' guibg=NONE')
end
vim.cmd('highlight NonText guifg=#5f5f5f')
vim.cmd('highlight LineNr guifg=#808080')
vim.cmd('highlight MsgSeparator guibg=#4e4e4e')
vim.o.number = true
vim.o.signcolumn = 'yes'
vim.o.shortmess = vim.o.shortmess .. 'IF'
vim.o.swapfile = false
vim.diagnostic.config({ virtual_text = true, signs = true, underline = true })

local morvane = vim.lsp.start_client({ name = 'morvane', cmd = { check, '--lsp' } })
vim.api.nvim_create_autocmd('FileType', { pattern = 'markdown',
  callback = function(args) vim.lsp.buf_attach_client(args.buf, morvane) end })

local select = vim.ui.select
vim.ui.select = function(items, options, on_choice)
  local file = assert(io.open(marker, 'w'))
  file:write(os.getenv('WINDOWID') or '', '\n')
  file:close()
  select(items, options, on_choice)
end

local asked = false
vim.api.nvim_create_autocmd('DiagnosticChanged', { callback = function(args)
  if asked or #vim.diagnostic.get(args.buf) == 0 then return end
  asked = true
  for number, line in ipairs(vim.api.nvim_buf_get_lines(args.buf, 0, -1, false)) do
    local column = line:find(word, 1, true)
    if column then
      vim.api.nvim_win_set_cursor(0, { number, column - 1 })
      break
    end
  end
  vim.schedule(vim.lsp.buf.code_action)
end })
